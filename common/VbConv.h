// Number conversions with the rules the whole program relies on: floats go to the nearest
// integer with halves to the even neighbour and overflow is an error; integer division
// truncates toward zero; the numeric value of a text is its leading number.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace nv {

// Nearest integer, halves to even, as a double (no range check).
double roundHalfEven(double value);

// Nearest integer with halves to even, into 16 or 32 bits; outside the range raises Overflow (6).
int16_t toInt16(double value);
int32_t toInt32(double value);

// An integer narrowed to 16 or 32 bits; outside the range raises Overflow (6).
int16_t narrow16(int64_t value);
int32_t narrow32(int64_t value);

// 16-bit arithmetic that raises Overflow (6) when the result does not fit.
int16_t add16(int16_t a, int16_t b);
int16_t sub16(int16_t a, int16_t b);
int16_t mul16(int16_t a, int16_t b);

// Integer division that truncates toward zero; the operands are first taken to the nearest
// integer (halves to even). Division by zero raises error 11.
int64_t intDiv(int64_t a, int64_t b);
int64_t intDiv(double a, double b);

// The numeric value of a text: blanks are skipped, then the leading number is read (sign,
// digits, decimal point, exponent; "&H" hexadecimal and "&O" octal); "12abc" gives 12,
// "abc" and "" give 0.
double val(std::string_view text);

// The number a whole text holds, as the platform's text-to-number conversion reads it: blanks
// around it are allowed, then a sign, digits with at most one decimal point and an exponent.
// An empty text or any other character raises Type mismatch (13): "12abc" and "-" are errors.
double cdbl(std::string_view text);

// A number written as the platform's number-to-text does: a blank before a non-negative
// number, a minus sign before a negative one (" 1", "-3").
std::string str(int64_t value);

// The shortest text that reads back as exactly this number, with a decimal point ("18.2", "20",
// "-7"); what the settings store keeps for a number that may have a fraction.
std::string exactText(double value);

// A translated sentence with its numbered places filled in: "%1" .. "%9" become the arguments in
// one pass, so that an argument that itself holds "%1" (a folder or product name) stays as it is.
// A place without an argument stays as written.
std::string FillIn(std::string_view text, std::initializer_list<std::string_view> args);

}  // namespace nv
