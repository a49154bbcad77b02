// Fixtures of the reliability tests: a form holding a control of every kind
// the skin treats, and the checks that nothing of the skin outlives it.
#pragma once

#include "app/form_runtime.h"
#include "support/windows.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace qmtest {

// Registers `name` as a superclass of `base` with the same procedure, for
// kinds known to the skin only by another class name.
void registerSuperclass(const wchar_t* name, const wchar_t* base);

// A form built by the form runtime, like the program's window: frame and
// labels, push buttons enabled and disabled, check box, option button, a
// drop-down list combo, progress bars, a header with items and a list box
// with a client edge; beside them, made directly, an editable and a simple
// combo, a drive list, a data list and a grid. Built hidden; show() raises
// load, which starts the skin; destruction unloads it, which stops it.
class KindsForm {
public:
    KindsForm();
    ~KindsForm();
    KindsForm(const KindsForm&) = delete;
    KindsForm& operator=(const KindsForm&) = delete;

    void show();
    HWND hwnd() const noexcept { return m_form->hwnd(); }
    HWND window(std::wstring_view name) noexcept { return m_form->window(name); }
    // The form, every window below it, and the drop-down lists of its combos.
    std::vector<HWND> windows() const;

private:
    std::unique_ptr<quillmend::Form> m_form;
};

// Every window of this thread: top-level ones and all their descendants.
std::vector<HWND> threadWindows();
// Every GDI handle kept in a skin property of any window of this thread,
// with the engine's image set.
std::vector<HGDIOBJ> skinHandles();
// Detaches every window of this thread that is still attached, whoever
// attached it; returns how many there were.
int detachEverything();
// Dispatches queued messages, at most `limit`; true if the queue emptied.
bool pumpBounded(int limit = 10000);

} // namespace qmtest
