#pragma once
// The set-up step that an installer would run first. When no file is at the default site
// database path, it makes a new development site database there (every table and stored query,
// keys auto-numbered, a DbID of its own); when a file is there it leaves it alone. The program
// itself never makes a site database. Answers the program's exit status, having said what it did.

int MakeDefaultSiteDatabase();
