#pragma once
// Makes the language's own commands that act beyond the text, starting programs (run), copying
// files into the output (file, printfile) and writing cookie headers (setcookie), the ones the
// parser builds for their words.

void RegisterServerCommands();
// Gives the words back to the stand-ins.
void UnregisterServerCommands();
