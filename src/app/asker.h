#pragma once

// The application's yes/no question box. Tests replace the asker to answer the question
// instead of facing a modal box.

#include <functional>
#include <QString>

namespace Asker {

// Returns true for "yes".
using Question = std::function<bool(const QString &text)>;

// An empty asker restores the question box.
void setAsker(Question asker);
bool ask(const QString &text);

} // namespace Asker
