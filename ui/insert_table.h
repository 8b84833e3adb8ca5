// The Insert menu's items and the text each one puts into the input line.
// Platform-free; the menu texts and hints themselves are in the resources.
#pragma once

#include "resource_ids.h"

struct InsertItem {
    int id;
    const char* text;
};

// Sorted by id, one row per item. The secant items insert the names that the
// engine's function marks accept ("sec", "csc", "asec", "acsc").
inline constexpr InsertItem kInsertItems[] = {
    {IDM_FRAGMENT_H2O, "(H2O)"},
    {IDM_FRAGMENT_OH, "(OH)"},
    {IDM_FRAGMENT_CN, "(CN)"},
    {IDM_FRAGMENT_CH2, "(CH2)"},
    {IDM_FRAGMENT_CO3, "(CO3)"},
    {IDM_FRAGMENT_NO2, "(NO2)"},
    {IDM_FRAGMENT_NO3, "(NO3)"},
    {IDM_FRAGMENT_NH3, "(NH3)"},
    {IDM_FRAGMENT_NH4, "(NH4)"},
    {IDM_FRAGMENT_SO3, "(SO3)"},
    {IDM_FRAGMENT_SO4, "(SO4)"},
    {IDM_FRAGMENT_PO4, "(PO4)"},
    {IDM_FRAGMENT_CRO4, "(CrO4)"},
    {IDM_FRAGMENT_CR2O7, "(Cr2O7)"},
    {IDM_CONSTANT_PI, "3.14159265358979"},
    {IDM_CONSTANT_E, "2.71828182845905"},
    {IDM_CONSTANT_FARADAY, "96485.309"},
    {IDM_CONSTANT_GAS, "8.314510"},
    {IDM_CONSTANT_PRESSURE, "101325"},
    {IDM_CONSTANT_ZERO_CELSIUS, "-273.15"},
    {IDM_CONSTANT_MOLAR_VOLUME, "0.0224141"},
    {IDM_FRAGMENT_NH2, "(NH2)"},
    {IDM_CONSTANT_ATOMIC_MASS, "1.6605402e-27"},
    {IDM_CONSTANT_AVOGADRO, "6.0221367e23"},
    {IDM_CONSTANT_BOLTZMANN, "1.380658e-23"},
    {IDM_CONSTANT_ELECTRON_MASS, "9.1093897e-31"},
    {IDM_CONSTANT_ELECTRONVOLT, "1.6021892e-19"},
    {IDM_CONSTANT_CHARGE, "1.60217733e-19"},
    {IDM_CONSTANT_PERMEABILITY, "12.566370614e7"},
    {IDM_CONSTANT_PERMITTIVITY, "8.854187817e-12"},
    {IDM_CONSTANT_PLANCK, "6.6260755e-34"},
    {IDM_FUNCTION_SIN, "sin"},
    {IDM_FUNCTION_COS, "cos"},
    {IDM_FUNCTION_TAN, "tan"},
    {IDM_FUNCTION_COT, "cot"},
    {IDM_FUNCTION_SEC, "sec"},
    {IDM_FUNCTION_CSC, "csc"},
    {IDM_FUNCTION_ASIN, "asin"},
    {IDM_FUNCTION_ACOS, "acos"},
    {IDM_FUNCTION_ATAN, "atan"},
    {IDM_FUNCTION_ACOT, "acot"},
    {IDM_FUNCTION_ASEC, "asec"},
    {IDM_FUNCTION_ACSC, "acsc"},
    {IDM_FUNCTION_SINH, "sinh"},
    {IDM_FUNCTION_COSH, "cosh"},
    {IDM_FUNCTION_TANH, "tanh"},
    {IDM_FUNCTION_COTH, "coth"},
    {IDM_FUNCTION_ASINH, "asinh"},
    {IDM_FUNCTION_ACOSH, "acosh"},
    {IDM_FUNCTION_ATANH, "atanh"},
    {IDM_FUNCTION_ACOTH, "acoth"},
    {IDM_FUNCTION_SGN, "sgn"},
    {IDM_FUNCTION_SQR, "sqr"},
    {IDM_FUNCTION_SQRT, "sqrt"},
    {IDM_FUNCTION_LOG, "log"},
    {IDM_FUNCTION_LN, "ln"},
    {IDM_FUNCTION_ALOG, "alog"},
    {IDM_FUNCTION_ALN, "aln"},
    {IDM_FUNCTION_EXP, "exp"},
    {IDM_FUNCTION_INT, "int"},
    {IDM_FUNCTION_ABS, "abs"},
    {IDM_FUNCTION_RAN, "ran"},
    {IDM_NAME_PI, "pi"},
    {IDM_NAME_ANS, "ans"},
    {IDM_NAME_MEM, "mem"},
    {IDM_FUNCTION_FACTORIAL, "!"},
    {IDM_QUADRATIC_TEMPLATE, "x^2+x"},
};

// The first and last command of the Insert menu; ids between them without a
// row insert nothing.
inline constexpr int kFirstInsertId = kInsertItems[0].id;
inline constexpr int kLastInsertId = kInsertItems[sizeof kInsertItems / sizeof kInsertItems[0] - 1].id;

// The text that the item with this id inserts, or nullptr.
const char* InsertedText(int id);
