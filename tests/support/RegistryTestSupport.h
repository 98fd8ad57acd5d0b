// TestableRegistry, the one test subclass of QELRegistry: the status the class
// keeps for itself, seen from a derived class.
#pragma once
#include "ZUZIVU70.h"

class TestableRegistry : public QELRegistry
{
public:
    using QELRegistry::QELRegistry;
    TestableRegistry(const QELRegistry& other) : QELRegistry(other) {}
    LONG Status() const { return m_nLastStatus; }
};
