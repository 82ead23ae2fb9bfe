#pragma once
// Small text helpers that every stage of the query translator shares: letter case, quoting for
// SQLite, and the place of a token in an error message.

#include <cstddef>
#include <string>
#include <string_view>

namespace JetSqlText {

std::string Upper(std::string_view text);
std::string Lower(std::string_view text);
// Names of the dialect compare without regard to letter case.
bool SameName(const std::string& a, const std::string& b);
// "name" for SQLite, inner double quotes doubled.
std::string QuoteName(const std::string& name);
// 'text' for SQLite, inner single quotes doubled.
std::string QuoteText(const std::string& text);
// " at character N" for an error message; `offset` counts from 0, N from 1.
std::string At(size_t offset);

} // namespace JetSqlText
