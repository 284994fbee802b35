#pragma once

/// Message of an equation-error code (parse step), or nullptr when the code has no text.
const char* equationErrorMessage(int code);
/// Message of a run-time code (evaluation), or nullptr when the code has no text.
const char* runtimeErrorMessage(int code);
/// The message of a code from whichever table holds it (the two tables' codes never overlap), or ""
/// for the few codes the engine has no text for.
const char* errorMessage(int code);
