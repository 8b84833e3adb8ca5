// The texts and fixed values that only the window shows: its message boxes
// about files and printing, what it hands the file and print dialogs, and the
// name that Save As proposes for a history file. Platform-free, so that every
// target checks them; the file formats themselves are io/'s.
#pragma once

#include <cstddef>
#include <ctime>

// The caption of the boxes that report a settings file or a history that
// could not be saved.
inline constexpr char kMessageCaption[] = "Zentrabel";
inline constexpr char kSettingsSaveFailedText[] =
    "ERROR - Save failed !\r\n\r\n"
    "Not able to save your configuration.\r\n"
    "The destination directory is probably write protected.";
inline constexpr char kHistorySaveFailedText[] =
    "ERROR - Save failed !\r\n\r\n"
    "The task history was not saved.\r\n"
    "The file could not be created or written.";

// The printed history's name in the print queue, and the warning box for a
// history too short to print (io/print_layout.h IsEnoughToPrint).
inline constexpr char kPrintDocumentName[] = "Tavrin - Task History";
inline constexpr char kPrintCaption[] = "Print History";
inline constexpr char kNoPrintDataText[] = "No data available to print!";

// The print dialog's initial values.
inline constexpr int kPrintDialogFromPage = 1;
inline constexpr int kPrintDialogToPage = 1;
inline constexpr int kPrintDialogMinPage = 1;
inline constexpr int kPrintDialogMaxPage = 65535;
inline constexpr int kPrintDialogCopies = 1;

// Both history file dialogs: "Text Files (*.txt)" then "All Files (*.*)", as the
// dialogs want it (pairs of NUL-terminated texts, an empty text at the end).
inline constexpr char kHistoryFileFilter[] = "Text Files (*.txt)\0*.txt\0All Files (*.*)\0*.*\0";
inline constexpr char kHistoryDefaultExtension[] = "txt";
inline constexpr size_t kHistoryFileNameCapacity = 259;  // a 260-character buffer

// "zbl_%d%m%Y" of `date` (day and month with two digits, the year with four,
// for example "zbl_24082013"), NUL-terminated. Returns its length, or 0 (and
// an empty text) when it does not fit `capacity` characters.
size_t WriteProposedHistoryName(const std::tm& date, char* out, size_t capacity);
