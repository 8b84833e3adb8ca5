#include "insert_menu.h"

#include "input_line.h"
#include "insert_table.h"

LRESULT DoInsert(const Command& command) {
    if (const char* text = InsertedText(command.id)) InsertIntoInput(command.app.inputLine, text);
    return 0;
}
