#pragma once

/// Message of an equation-error code (parse step), or nullptr when the code has no text.
const char* equationErrorMessage(int code);
/// Message of a run-time code (evaluation), or nullptr when the code has no text.
const char* runtimeErrorMessage(int code);
