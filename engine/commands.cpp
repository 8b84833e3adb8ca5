#include "commands.h"

#include "task_record.h"

// Placeholder until command lines land.
int ExecuteCommand(TaskRecord&) { return -1; }
