#pragma once
// Makes the language's own commands for files, interpretation, dumps, encrypted blocks,
// attachments, cases and groups the ones the parser builds for their words.

void RegisterDataCommands();
