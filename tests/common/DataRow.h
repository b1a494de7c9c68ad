#pragma once

#include <QTest>

// One data row of the running _data function with its values in the order of the columns, on one
// line: dataRow("name", a, b) is QTest::newRow("name") << a << b. The values are taken by value, so
// that a string literal goes to a QString column as with <<.
template <class... Values>
void dataRow(const char* name, Values... values)
{
    (QTest::newRow(name) << ... << values);
}
