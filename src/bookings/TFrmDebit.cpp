#include "bookings/TFrmDebit.h"

#include "bookings/TDetailRow.h"

TFrmDebit::TFrmDebit(QWidget* parent)
    : TFrmDetailBase(TDetailRow::Debit, parent)
{}

TFrmDebit::~TFrmDebit() = default;
