// Marks what the packet library exports; everything else stays hidden.
// On Windows a program that links the library's objects statically (the unit
// tests) defines LANGUAGE_STATIC, so that its calls are not routed through the
// import table of a language.dll it does not load.
#pragma once

#if defined(_WIN32) && defined(LANGUAGE_STATIC)
#define LANGUAGE_API
#elif defined(_WIN32) && defined(LANGUAGE_BUILDING)
#define LANGUAGE_API __declspec(dllexport)
#elif defined(_WIN32)
#define LANGUAGE_API __declspec(dllimport)
#else
#define LANGUAGE_API __attribute__((visibility("default")))
#endif
