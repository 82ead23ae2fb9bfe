#pragma once
// Makes the commands that name site objects the ones the parser builds for their words. The
// program calls it at start-up, after the template language's own registration.

void RegisterContentCommands();
