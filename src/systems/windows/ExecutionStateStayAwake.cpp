#include "ExecutionStateStayAwake.h"

#include <windows.h>

namespace aerolap {

ExecutionStateStayAwake::ExecutionStateStayAwake() {
    SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED);
}

ExecutionStateStayAwake::~ExecutionStateStayAwake() {
    SetThreadExecutionState(ES_CONTINUOUS);
}

void ExecutionStateStayAwake::holdDisplay(bool held) {
    SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED |
                            (held ? ES_DISPLAY_REQUIRED : EXECUTION_STATE{0}));
}

} // namespace aerolap
