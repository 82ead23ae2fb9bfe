#pragma once
// Registers the classes of the flow and variable commands (if, while, for, until, when, set,
// setdefault and print) with the command factory, in place of their stand-ins; unregistering
// brings the stand-ins back.

void RegisterFlowCommands();
void UnregisterFlowCommands();
