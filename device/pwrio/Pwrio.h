#pragma once
// The five entry points of the KTX2300M device library, with C linkage. Callers load the library
// at run time and resolve these names; the typedefs give them the matching pointer types.
//
// A set call takes (reserved, onFlag, pair, length): reserved is ignored, onFlag is 0 or 1, pair
// points at two ints (millivolts / 100, millivolts % 100) and length must be 2. Only the low 16
// bits of the result count: nonzero means done. After a successful call the pair holds the
// voltage the output now gives (CH4 as its magnitude).

// 32-bit Windows callers expect the callee to pop its arguments; everywhere else the platform's
// default convention is the only one.
#if defined(_WIN32) && !defined(_WIN64)
#define PWRIO_CALL __stdcall
#else
#define PWRIO_CALL
#endif

#if defined(_WIN32)
#if defined(PWRIO_BUILDING)
#define PWRIO_EXPORT __declspec(dllexport)
#else
#define PWRIO_EXPORT __declspec(dllimport)
#endif
#else
#define PWRIO_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef int(PWRIO_CALL *PwrioSearchFn)(void);
typedef short(PWRIO_CALL *PwrioSetVoltFn)(int reserved, int onFlag, int *pair, int length);

// Nonzero while a device is attached.
PWRIO_EXPORT int PWRIO_CALL dsoSearch(void);
PWRIO_EXPORT short PWRIO_CALL dsoSetVolt_positive9_CH1(int reserved, int onFlag, int *pair,
                                                       int length);
PWRIO_EXPORT short PWRIO_CALL dsoSetVolt_positive9_CH2(int reserved, int onFlag, int *pair,
                                                       int length);
PWRIO_EXPORT short PWRIO_CALL dsoSetVolt_positive5_CH3(int reserved, int onFlag, int *pair,
                                                       int length);
PWRIO_EXPORT short PWRIO_CALL dsoSetVolt_negative5_CH4(int reserved, int onFlag, int *pair,
                                                       int length);

#ifdef __cplusplus
}
#endif
