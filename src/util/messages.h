#pragma once
// How the core talks to the user without windows: the windows (or the command line) answer.

#include <QString>

#include <functional>

namespace sondalog {

/// Shows an information text (a message box with OK in the windows, stderr on the command line).
using InfoSink = std::function<void(const QString&)>;
/// Asks a yes/no question; true means Yes.
using Confirm = std::function<bool(const QString&)>;

}  // namespace sondalog
