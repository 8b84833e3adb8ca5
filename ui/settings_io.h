// The settings file "zbl.cfg" of the current directory as the window uses
// it: read once at start-up, before the main window is shown, and written on
// "Save Current Settings" (command 2540).
#pragma once

struct AppState;

// Runs every "#" line of the file through CalculateTask on the CurrentTask of
// `app`, in file order, and acts on the view numbers it hands back:
//   501  shrinks the main window to the display-only size in place; bDisplayOnly
//   502  makes it topmost without moving or resizing it; bAlwaysOnTop
//   503  sends it "View History..." (2304); bHistoryVisible
//   504  sends it "Task Numbering" (2307); bTaskNumbering
//   505  sends it "Clear History" (2114)
// each flag set to 1 after its action. Any other result, a failure included,
// does nothing more and shows nothing. Lines not beginning with "#", a last
// line without a line feed and lines longer than the input line allows run
// nothing. A missing or unreadable file leaves every setting as it is.
void ReadSettingsFile(AppState& app);

// Writes the six settings of the CurrentTask of `app` and its four view
// flags. The new file is written whole beside the old one and then moved over
// it, so a save that fails at any step (creating, writing, closing or
// replacing) keeps the old file; every such failure shows the ownerless error
// box "ERROR - Save failed !" with caption "Zentrabel". Settings in memory
// never change.
void WriteSettingsFile(const AppState& app);
