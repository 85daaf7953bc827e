// TESVAR_EXPORT marks what the shared library exports: the public classes
// and functions. Everything else is hidden, so that hosts can only come to
// depend on what the public headers promise.

#ifndef TESVAR_EXPORT_H_
#define TESVAR_EXPORT_H_

#if defined(_WIN32)
#if defined(TESVAR_BUILDING_SHARED)
#define TESVAR_EXPORT __declspec(dllexport)
#elif defined(TESVAR_USING_SHARED)
#define TESVAR_EXPORT __declspec(dllimport)
#else
#define TESVAR_EXPORT
#endif
#else
#define TESVAR_EXPORT __attribute__((visibility("default")))
#endif

#endif  // TESVAR_EXPORT_H_
