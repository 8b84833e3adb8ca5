// Every resource, control and command number of the Windows program, shared
// by zentrabel.rc and the code. Plain #defines only: the resource compiler
// reads this file too.
//
// Ranges: 101/201 menu and accelerators, 501 icon, 601/701 About dialog and
// web link, 1000-1035 keypad, 1075 "=", 1110-1123 display lines, 1200-1222
// indicators, 1300-1320 past-tasks list, input line and copy buffer,
// 2001-2541 menu commands, 3000-3034 Number Format dialog, 4000-4005 Task
// History dialog.
#pragma once

// Resources.
#define IDR_MAIN_MENU 101
#define IDR_ACCELERATORS 201
#define IDI_ZENTRABEL 501
#define IDD_ABOUT 601
#define IDD_NUMBER_FORMAT 3000
#define IDD_HISTORY 4000

// Keypad: cell k (0-35) is control 1000 + k, row k / 6, column k % 6.
#define IDC_KEY_FIRST 1000
#define IDC_KEY_INVERSE 1000
#define IDC_KEY_SIN 1001
#define IDC_KEY_COS 1002
#define IDC_KEY_TAN 1003
#define IDC_KEY_COT 1004
#define IDC_KEY_PI 1005
#define IDC_KEY_LN 1006
#define IDC_KEY_LOG 1007
#define IDC_KEY_OPEN 1008
#define IDC_KEY_CLOSE 1009
#define IDC_KEY_ENCLOSE 1010
#define IDC_KEY_RECIPROCAL 1011
#define IDC_KEY_CLEAR 1012
#define IDC_KEY_7 1013
#define IDC_KEY_8 1014
#define IDC_KEY_9 1015
#define IDC_KEY_POWER 1016
#define IDC_KEY_ROOT 1017
#define IDC_KEY_MEMORY_STORE 1018
#define IDC_KEY_4 1019
#define IDC_KEY_5 1020
#define IDC_KEY_6 1021
#define IDC_KEY_MULTIPLY 1022
#define IDC_KEY_DIVIDE 1023
#define IDC_KEY_MEMORY_RECALL 1024
#define IDC_KEY_1 1025
#define IDC_KEY_2 1026
#define IDC_KEY_3 1027
#define IDC_KEY_PLUS 1028
#define IDC_KEY_MINUS 1029
#define IDC_KEY_MEMORY_ADD 1030
#define IDC_KEY_0 1031
#define IDC_KEY_POINT 1032
#define IDC_KEY_EXPONENT 1033
#define IDC_KEY_HIDDEN_EQUALS 1034
#define IDC_KEY_HIDDEN_BLANK 1035
#define IDC_KEY_LAST 1035
#define IDC_EQUALS 1075

// Display lines and quadratic labels.
#define IDC_PREVIOUS_TASK 1110
#define IDC_CURRENT_TASK 1111
#define IDC_PREVIOUS_ANSWER 1120
#define IDC_CURRENT_ANSWER 1121
#define IDC_X1_LABEL 1122
#define IDC_X2_LABEL 1123

// Indicators. A mode indicator is 1210 + iNumberMode, an angle indicator
// 1220 + iAngleUnit; both double as the commands that set that value.
#define IDC_MEMORY_INDICATOR 1200
#define IDC_MODE_AUTO 1210
#define IDC_MODE_SCI 1211
#define IDC_MODE_FIX 1212
#define IDC_ANGLE_RAD 1220
#define IDC_ANGLE_DEG 1221
#define IDC_ANGLE_GRAD 1222

// Past-tasks list, the input line inside it, the hidden clipboard buffer.
#define IDC_PAST_TASKS 1300
#define IDC_INPUT_LINE 1310
#define IDC_COPY_BUFFER 1320

// File menu.
#define IDM_NEW 2001
#define IDM_OPEN 2002
#define IDM_SAVE_AS 2003
#define IDM_PRINT 2005
#define IDM_EXIT 2008

// Edit menu.
#define IDM_UNDO 2101
#define IDM_CUT 2102
#define IDM_COPY 2103
#define IDM_PASTE 2104
#define IDM_DELETE 2105
#define IDM_COPY_HISTORY 2106
#define IDM_COPY_MATHS 2107
#define IDM_COPY_RESULT 2108
#define IDM_COPY_TASK 2109
#define IDM_SELECT_ALL 2110
#define IDM_ENCLOSE 2111
#define IDM_CLEAR_INPUT 2112
#define IDM_CLEAR_DISPLAY 2113
#define IDM_CLEAR_HISTORY 2114

// Insert menu: molecular fragments.
#define IDM_FRAGMENT_H2O 2201
#define IDM_FRAGMENT_OH 2202
#define IDM_FRAGMENT_CN 2203
#define IDM_FRAGMENT_CH2 2204
#define IDM_FRAGMENT_CO3 2205
#define IDM_FRAGMENT_NO2 2206
#define IDM_FRAGMENT_NO3 2207
#define IDM_FRAGMENT_NH3 2208
#define IDM_FRAGMENT_NH4 2209
#define IDM_FRAGMENT_SO3 2210
#define IDM_FRAGMENT_SO4 2211
#define IDM_FRAGMENT_PO4 2212
#define IDM_FRAGMENT_CRO4 2213
#define IDM_FRAGMENT_CR2O7 2214
#define IDM_FRAGMENT_NH2 2222

// Insert menu: constants directly in the menu.
#define IDM_CONSTANT_PI 2215
#define IDM_CONSTANT_E 2216
#define IDM_CONSTANT_FARADAY 2217
#define IDM_CONSTANT_GAS 2218
#define IDM_CONSTANT_PRESSURE 2219
#define IDM_CONSTANT_ZERO_CELSIUS 2220
#define IDM_CONSTANT_MOLAR_VOLUME 2221

// Insert menu: physical constants.
#define IDM_CONSTANT_ATOMIC_MASS 2231
#define IDM_CONSTANT_AVOGADRO 2232
#define IDM_CONSTANT_BOLTZMANN 2233
#define IDM_CONSTANT_ELECTRON_MASS 2234
#define IDM_CONSTANT_ELECTRONVOLT 2235
#define IDM_CONSTANT_CHARGE 2236
#define IDM_CONSTANT_PERMEABILITY 2237
#define IDM_CONSTANT_PERMITTIVITY 2238
#define IDM_CONSTANT_PLANCK 2239

// Insert menu: trigonometric and hyperbolic functions.
#define IDM_FUNCTION_SIN 2251
#define IDM_FUNCTION_COS 2252
#define IDM_FUNCTION_TAN 2253
#define IDM_FUNCTION_COT 2254
#define IDM_FUNCTION_SEC 2255
#define IDM_FUNCTION_CSC 2256
#define IDM_FUNCTION_ASIN 2257
#define IDM_FUNCTION_ACOS 2258
#define IDM_FUNCTION_ATAN 2259
#define IDM_FUNCTION_ACOT 2260
#define IDM_FUNCTION_ASEC 2261
#define IDM_FUNCTION_ACSC 2262
#define IDM_FUNCTION_SINH 2263
#define IDM_FUNCTION_COSH 2264
#define IDM_FUNCTION_TANH 2265
#define IDM_FUNCTION_COTH 2266
#define IDM_FUNCTION_ASINH 2267
#define IDM_FUNCTION_ACOSH 2268
#define IDM_FUNCTION_ATANH 2269
#define IDM_FUNCTION_ACOTH 2270

// Insert menu: other functions and names.
#define IDM_FUNCTION_SGN 2271
#define IDM_FUNCTION_SQR 2272
#define IDM_FUNCTION_SQRT 2273
#define IDM_FUNCTION_LOG 2274
#define IDM_FUNCTION_LN 2275
#define IDM_FUNCTION_ALOG 2276
#define IDM_FUNCTION_ALN 2277
#define IDM_FUNCTION_EXP 2278
#define IDM_FUNCTION_INT 2279
#define IDM_FUNCTION_ABS 2280
#define IDM_FUNCTION_RAN 2281
#define IDM_NAME_PI 2282
#define IDM_NAME_ANS 2283
#define IDM_NAME_MEM 2284
#define IDM_FUNCTION_FACTORIAL 2285
#define IDM_QUADRATIC_TEMPLATE 2286

// View menu.
#define IDM_DISPLAY_ONLY 2302
#define IDM_ALWAYS_ON_TOP 2303
#define IDM_VIEW_HISTORY 2304
#define IDM_NUMBER_FORMAT 2305
#define IDM_TASK_NUMBERING 2307

// Help menu.
#define IDM_ABOUT 2402
#define IDM_ONLINE_HELP 2403

// Format menu. Angle unit 2504 + iAngleUnit, mode 2501 + iNumberMode,
// decimal places 2510 + n for n from 0 to 15.
#define IDM_MODE_AUTO 2501
#define IDM_MODE_SCI 2502
#define IDM_MODE_FIX 2503
#define IDM_ANGLE_RAD 2504
#define IDM_ANGLE_DEG 2505
#define IDM_ANGLE_GRAD 2506
#define IDM_DIGIT_GROUPING 2508
#define IDM_DECIMALS_FIRST 2510
#define IDM_DECIMALS_LAST 2525
#define IDM_DECIMAL_DOT 2531
#define IDM_DECIMAL_COMMA 2532
#define IDM_FUNCTION_SEPARATOR 2533
#define IDM_SAVE_SETTINGS 2540
#define IDM_RESET_SETTINGS 2541

// About dialog and the web link of the Task History dialog.
#define IDC_WEB_LINK 701

// Number Format dialog. Each radio button's command to the main window is
// its own number minus 1800.
#define IDC_FORMAT_AUTO 3010
#define IDC_FORMAT_SCI 3011
#define IDC_FORMAT_FIX 3012
#define IDC_FORMAT_RAD 3020
#define IDC_FORMAT_DEG 3021
#define IDC_FORMAT_GRAD 3022
#define IDC_FORMAT_DECIMALS 3031
#define IDC_FORMAT_SPINNER 3032
#define IDC_FORMAT_GROUPING 3033
#define IDC_FORMAT_DECIMALS_LABEL 3034

// Task History dialog.
#define IDC_HISTORY_SAVE 4001
#define IDC_HISTORY_PRINT 4002
#define IDC_HISTORY_COPY 4003
#define IDC_HISTORY_HIDE 4004
#define IDC_HISTORY_TEXT 4005
