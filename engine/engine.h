// Everything the front ends need from the calculation engine.
#pragma once

#include "calculate.h"
#include "composition.h"
#include "functions.h"
#include "outcome.h"
#include "status.h"
#include "task_record.h"
