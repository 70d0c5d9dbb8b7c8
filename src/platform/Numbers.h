#pragma once

#include <QtGlobal>

// The arithmetic helpers the geometry rules are written in.

// Round to the nearest integer, halves to even.
qint64 Round(double value);
// The same in 80-bit precision where the host has it, for products that must not round early.
qint64 RoundExtended(long double value);
// Drop the fraction, toward zero.
qint64 Trunc(double value);
// a * b / c with a 64-bit intermediate, rounded half away from zero; -1 when c is 0 or the result
// does not fit.
int MulDiv(int a, int b, int c);
// Integer division truncating toward zero, as the rules' "div" means.
constexpr int Div(int a, int b)
{
    return a / b;
}
// A value held in single precision, as some fields of the design are.
inline double toSingle(double value)
{
    return double(float(value));
}
