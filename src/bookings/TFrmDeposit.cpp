#include "bookings/TFrmDeposit.h"

#include "bookings/TDetailRow.h"

TFrmDeposit::TFrmDeposit(QWidget* parent)
    : TFrmDetailBase(TDetailRow::Deposit, parent)
{}

TFrmDeposit::~TFrmDeposit() = default;
