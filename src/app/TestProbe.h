#pragma once

class SingleInstance;
class TMainForm;

// For the tests that run the program itself as a child process (recovery
// after a kill, one program per data folder) and for nothing else. With the
// environment variable set, the program prints on standard output what those
// tests look for, and answers its own questions as Enter would:
//   question <text>              a question box came up; Enter was pressed
//   recovery-copy <file>         a recovery copy was written
//   plan <title> <changed> <date>  each plan window, tab-separated, then
//   shown <count>                after the first showing and after documents
//                                arrived from another start
// The variable's value, when not empty, is typed at the end of the date
// field of the plan window active after the first showing.
namespace TestProbe {

constexpr const char* EnvironmentSwitch = "CORVANTA_TEST_PROBE";

void attach(TMainForm& form, SingleInstance& instance);

} // namespace TestProbe
