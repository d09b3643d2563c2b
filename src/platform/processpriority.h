#pragma once

// Start-up runs at raised priority and drops back afterwards unless the user
// asked to keep it. The system may refuse a raise (an unprivileged user cannot
// lower the nice value); a refusal is not an error. The process's nice value
// stands in for both the priority class and the thread priority.
namespace ProcessPriority {

void setHigh();
void setNormal();

} // namespace ProcessPriority
