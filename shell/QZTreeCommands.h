#pragma once
// The command ids the site browser's trees handle or send, and the pop-ups of their context
// menu (menu 139).

#include "platform/core/Types.h"
#include "res/Resource.h"

namespace QZTreeCommand {
constexpr UINT New = 32769;
constexpr UINT Open = 32774;
constexpr UINT Delete = 32775;
constexpr UINT EditSection = 32777;
constexpr UINT NewSection = 32786;
constexpr UINT Insert = 32838;
constexpr UINT MarkForPublish = 32908;
constexpr UINT GeneratePage = 32909;
// New commands of the main window.
constexpr UINT NewPage = 57600;
constexpr UINT NewImage = 32778;
constexpr UINT NewForm = 32780;
constexpr UINT NewStyle = 32781;
constexpr UINT NewMacro = 32782;
constexpr UINT NewEmail = 32783;
constexpr UINT NewQuery = 32784;
constexpr UINT NewScript = 32865;
constexpr UINT NewActiveX = 32866;
constexpr UINT NewJava = 32867;
constexpr UINT NewMultiMedia = 32868;
constexpr UINT NewAdvertiser = 32869;
constexpr UINT NewScheduledEvent = 32880;
constexpr UINT NewAdSpace = 32901;
constexpr UINT NewAd = 32902;
// The query tree's snippets.
constexpr UINT InsertAdd = 32861;
constexpr UINT InsertEdit = 32862;
constexpr UINT ExecuteQuery = 32876;
constexpr UINT PrintTable = 32899;
constexpr UINT PrintMailList = 32900;
} // namespace QZTreeCommand

// The item images of bitmap 154 (the context menu of every tree is IDR_TREE_MENU).

namespace QZTreeImage {
constexpr int OpenFolder = 0;
constexpr int ClosedFolder = 1;
constexpr int Page = 5;
constexpr int Macro = 7;
constexpr int Image = 9;
constexpr int Message = 13;
constexpr int Java = 15;
constexpr int ActiveX = 17;
constexpr int Script = 19;
constexpr int Form = 21;
constexpr int Style = 25;
constexpr int Parameter = 29;
constexpr int Field = 31;
constexpr int Table = 37;
constexpr int OpenTable = 38;
constexpr int Query = 40;
constexpr int OpenQuery = 41;
constexpr int Event = 43;
constexpr int Media = 45;
constexpr int Advertiser = 47;
constexpr int Ad = 49;
constexpr int AdSpace = 51;
} // namespace QZTreeImage
