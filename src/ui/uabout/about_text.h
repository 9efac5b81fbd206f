#pragma once
// The text of the about window (HTML).

#include <QString>

QString about_text();
