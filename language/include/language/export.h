// Marks what the packet library exports; everything else stays hidden.
#pragma once

#if defined(_WIN32)
#if defined(LANGUAGE_BUILDING)
#define LANGUAGE_API __declspec(dllexport)
#else
#define LANGUAGE_API __declspec(dllimport)
#endif
#else
#define LANGUAGE_API __attribute__((visibility("default")))
#endif
