// The library module's resource context.
#pragma once
#include "ZUZIVU70Defs.h"

// Makes ZUZIVU70's module state current for the lifetime of the object, so its
// own dialog templates and bitmaps are found first, and puts the caller's back
// on every way out of the scope. Every operation that shows one of the
// library's templates holds one.
class QEL_API QELModuleContext
{
public:
    QELModuleContext();
    ~QELModuleContext();
    QELModuleContext(const QELModuleContext&) = delete;
    QELModuleContext& operator=(const QELModuleContext&) = delete;

    // The library module's own state and instance handle.
    static AFX_MODULE_STATE* GetModuleState();
    static HINSTANCE GetInstanceHandle();

private:
    AFX_MAINTAIN_STATE2 m_state;
};
