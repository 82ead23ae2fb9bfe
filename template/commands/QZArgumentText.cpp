#include "template/commands/QZArgumentText.h"

QZArgumentText::QZArgumentText(QZVantrelContext* parent) : QZArgumentContext(parent) {}
