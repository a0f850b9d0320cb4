// A fresh folder of program copies for each test, named after it, so that
// every test has its own "box.ini" and its own stand-ins.
#pragma once

#include <string>
#include <vector>

#include "tests/support/program_folder.h"

// BuildFolder()\work\<name>\, emptied and filled with the files.
std::wstring MakeTestFolder(const std::wstring& name, const std::vector<ProgramCopy>& files);

// <suite>.<test> of the running test, with the '/' of parameterised names replaced.
std::wstring CurrentTestName();
