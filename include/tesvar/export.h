/* TESVAR_EXPORT marks what the shared library exports: the public classes
 * and functions. Everything else is compiled with hidden visibility, so
 * hosts can only come to depend on what the public headers promise.
 *
 * On Windows the mark depends on the side: the build of the DLL defines
 * TESVAR_BUILDING_SHARED (dllexport), its users TESVAR_USING_SHARED
 * (dllimport; the CMake target tesvar::tesvar and tesvar.pc add it), and
 * users of the static library neither. Elsewhere it is the same for all.
 *
 * TESVAR_LOCAL keeps a class nested in an exported class inside the
 * library: nested classes take the visibility of the class around them, so
 * a private implementation (struct Impl) declared in a public header needs
 * it on that declaration.
 *
 * Plain C as well as C++: the C interface uses it too. */

#ifndef TESVAR_EXPORT_H_
#define TESVAR_EXPORT_H_

#if defined(_WIN32) || defined(__CYGWIN__)
#define TESVAR_LOCAL
#if defined(TESVAR_BUILDING_SHARED)
#define TESVAR_EXPORT __declspec(dllexport)
#elif defined(TESVAR_USING_SHARED)
#define TESVAR_EXPORT __declspec(dllimport)
#else
#define TESVAR_EXPORT
#endif
#elif defined(__GNUC__) || defined(__clang__)
#define TESVAR_EXPORT __attribute__((visibility("default")))
#define TESVAR_LOCAL __attribute__((visibility("hidden")))
#else
#define TESVAR_EXPORT
#define TESVAR_LOCAL
#endif

#endif /* TESVAR_EXPORT_H_ */
