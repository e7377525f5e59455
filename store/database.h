#pragma once

#include "store/connection.h"

// The data module: opens the shared connection when it is created, in the way
// the build calls for, and closes it when it goes.
class TData1 {
public:
    TData1();
    ~TData1();
    TData1(const TData1 &) = delete;
    TData1 &operator=(const TData1 &) = delete;

    // The operator gave up connecting to the server: the program ends.
    bool terminateRequested() const { return m_terminate; }

private:
    void openFileDatabase();
    void openServerDatabase();

    bool m_terminate = false;
};
