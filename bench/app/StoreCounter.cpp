#include "StoreCounter.h"

#include <dlfcn.h>

#include <QBackingStore>

#include "../trend/AllocCounter.h"

// This program's own definitions come before Qt's for every call from the program and from Qt's
// widget library; each counts what Qt's function allocates and hands the call on to it.
namespace {

std::uint64_t g_storeAllocations = 0;

template <class Function> Function QtFunction(const char *mangledName) {
  return reinterpret_cast<Function>(dlsym(RTLD_NEXT, mangledName));
}

template <class Call> void Counted(Call call) {
  const std::uint64_t before = AllocationCount();
  call();
  g_storeAllocations += AllocationCount() - before;
}

} // namespace

std::uint64_t StoreAllocationCount() {
  return g_storeAllocations;
}

void QBackingStore::beginPaint(const QRegion &region) {
  using Function = void (*)(QBackingStore *, const QRegion &);
  static const auto qt = QtFunction<Function>("_ZN13QBackingStore10beginPaintERK7QRegion");
  Counted([&] { qt(this, region); });
}

void QBackingStore::endPaint() {
  using Function = void (*)(QBackingStore *);
  static const auto qt = QtFunction<Function>("_ZN13QBackingStore8endPaintEv");
  Counted([&] { qt(this); });
}

void QBackingStore::flush(const QRegion &region, QWindow *window, const QPoint &offset) {
  using Function = void (*)(QBackingStore *, const QRegion &, QWindow *, const QPoint &);
  static const auto qt =
      QtFunction<Function>("_ZN13QBackingStore5flushERK7QRegionP7QWindowRK6QPoint");
  Counted([&] { qt(this, region, window, offset); });
}
