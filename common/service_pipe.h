// The pipe on which the status reporter posts events to the service.
#pragma once

constexpr wchar_t ServicePipeName[] = L"\\\\.\\pipe\\tvQ41Pipe";
