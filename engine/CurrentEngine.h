#pragma once

class EquationEngine;

/// The engine in use, part of the engine's documented interface: each caller names its engine here
/// for the time of an evaluation. Nothing in the program reads it; it is per thread so that engines
/// evaluating on several threads never race on it.
/// Defined here with its constant initial value, so that no thread-local initialisation wrapper is
/// needed to reach it.
inline thread_local EquationEngine* currentEngine = nullptr;

/// Names an engine as currentEngine for the lifetime of the scope and restores the previous value on
/// exit, so that currentEngine can never be left naming an engine that has been destroyed.
class CurrentEngineScope {
public:
    explicit CurrentEngineScope(EquationEngine& engine) : m_previous(currentEngine) {
        currentEngine = &engine;
    }
    ~CurrentEngineScope() { currentEngine = m_previous; }
    CurrentEngineScope(const CurrentEngineScope&) = delete;
    CurrentEngineScope& operator=(const CurrentEngineScope&) = delete;

private:
    EquationEngine* m_previous;
};
