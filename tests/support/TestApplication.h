#pragma once

// Core tests run without an application object; those that need an event
// loop (asynchronous jobs, timers) call ensure() first.
class TestApplication
{
public:
    // Creates the process's one QCoreApplication unless one exists.
    static void ensure();
};
