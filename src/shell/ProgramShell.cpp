#include "shell/ProgramShell.h"

namespace sv {

namespace {
IProgramShell* g_shell = nullptr;
} // namespace

IProgramShell* Shell() { return g_shell; }

void SetShell(IProgramShell* shell) { g_shell = shell; }

} // namespace sv
