#pragma once

// The program's window for the hardening suites: the built-in catalogue once
// it is complete, the hostile catalogue until then.

#include <memory>

class Form1;

namespace testwindow {

bool builtInComplete();

// Created, loaded, shown and active; null when it never became active.
std::unique_ptr<Form1> open();

} // namespace testwindow
