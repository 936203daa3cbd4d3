#pragma once
// The configuration currently in the BTS: one per process, filled by the BTS communication and
// shown read-only. This is its only owner; tests drop it to start from a clean state.

#include <memory>

class CDataBase;

class CBtsConfiguration {
public:
    // nullptr while no configuration has been read from the BTS.
    static CDataBase* Get();
    static void Set(std::unique_ptr<CDataBase> configuration);
    static void Drop();
};
