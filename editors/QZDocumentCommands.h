#pragma once
// The commands the editor documents take themselves: Save and Save As of the framework's File
// menu, and the page's Generate (the command bar's button and the status form's "Generate Now",
// and the page editor's own command).

#include "platform/core/Types.h"
#include "platform/ui/CommandIds.h"

constexpr UINT ID_GENERATE_NOW = 1102;
constexpr UINT ID_GENERATE_PAGE = 32817;
