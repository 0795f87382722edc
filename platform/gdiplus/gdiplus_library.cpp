#include <array>
#include <cstdio>
#include <optional>
#include <utility>

#include "platform/gdiplus/failing_entries.h"
#include "platform/gdiplus/gdiplus_api.h"
#include "platform/gdiplus/layer_entries.h"
#include "platform/gdiplus/native_library.h"

namespace platform::gdiplus {
namespace {

// The plain name is what a development package installs; the versioned one is what the
// run-time package alone provides, so it comes first.
constexpr const char* kLibraryNames[] = {"libgdiplus.so.0", "libgdiplus.so"};

// While the library cannot be opened every call answers "not started", the status the library
// itself gives before its start-up.
constexpr Status kUnavailable = status::GdiplusNotInitialized;

// Functions whose library version is guarded or replaced; everything else passes straight
// through to the library.
Api LayerTable(const Api& native) {
  Api api = native;
  api.GdiplusStartup = &layer::GdiplusStartup;
  api.GdiplusShutdown = &layer::GdiplusShutdown;
  api.GdipCreateBitmapFromScan0 = &layer::GdipCreateBitmapFromScan0;
  api.GdipBitmapLockBits = &layer::GdipBitmapLockBits;
  api.GdipBitmapUnlockBits = &layer::GdipBitmapUnlockBits;
  api.GdipCreateBitmapFromStream = &layer::GdipCreateBitmapFromStream;
  api.GdipCreateBitmapFromStreamICM = &layer::GdipCreateBitmapFromStreamICM;
  api.GdipGetImageRawFormat = &layer::GdipGetImageRawFormat;
  api.GdipDisposeImage = &layer::GdipDisposeImage;
  api.GdipSaveImageToStream = &layer::GdipSaveImageToStream;
  return api;
}

template <Status S>
Api FailingTable() {
  Api api;
#define BRELVANE_GDIPLUS_FAIL(ret, name, params) api.name = detail::Failing<S>(api.name);
  BRELVANE_GDIPLUS_FUNCTIONS(BRELVANE_GDIPLUS_FAIL)
#undef BRELVANE_GDIPLUS_FAIL
  return api;
}

template <Status S>
NativeOnlyApi FailingNativeOnly() {
  NativeOnlyApi only;
#define BRELVANE_GDIPLUS_FAIL(ret, name, params) only.name = detail::Failing<S>(only.name);
  BRELVANE_GDIPLUS_NATIVE_ONLY_FUNCTIONS(BRELVANE_GDIPLUS_FAIL)
#undef BRELVANE_GDIPLUS_FAIL
  return only;
}

// Resolves one entry: the library's own function, or the not-implemented stand-in.
template <typename Function>
void Resolve(const SharedLibrary& library, const char* name, Function& entry,
             std::vector<std::string>* missing) {
  if (void* symbol = library.Symbol(name)) {
    entry = reinterpret_cast<Function>(symbol);
    return;
  }
  entry = detail::Failing<status::NotImplemented>(entry);
  if (missing) missing->emplace_back(name);
}

struct Loaded {
  std::optional<SharedLibrary> library;
  NativeLibrary native;
  Api layer;
};

Loaded* Load() {
  auto* loaded = new Loaded;
  std::string error;
  loaded->library = SharedLibrary::Open(kLibraryNames, &error);
  if (!loaded->library) {
    std::fprintf(stderr, "brelvane: imaging library unavailable, pictures stay empty: %s\n",
                 error.c_str());
    loaded->native = UnavailableNative();
    loaded->layer = loaded->native.api;
    return loaded;
  }
  loaded->native = ResolveNative(*loaded->library);
  if (!loaded->native.available) {
    std::fprintf(stderr, "brelvane: %s is no imaging library (it lacks GdiplusStartup)\n",
                 loaded->library->Name().c_str());
    loaded->layer = loaded->native.api;
    return loaded;
  }
  loaded->layer = LayerTable(loaded->native.api);
  return loaded;
}

// Opened once and never closed: images held by objects that die during the process's exit
// still call the library, so it must outlive every static destructor.
const Loaded& Instance() {
  static const Loaded* loaded = Load();
  return *loaded;
}

template <std::size_t... S>
std::array<Api, sizeof...(S)> FailingTables(std::index_sequence<S...>) {
  return {FailingTable<static_cast<Status>(S)>()...};
}

}  // namespace

NativeLibrary ResolveNative(const SharedLibrary& library, std::vector<std::string>* missing) {
  NativeLibrary native;
#define BRELVANE_GDIPLUS_RESOLVE(ret, name, params) \
  Resolve(library, #name, native.api.name, missing);
  BRELVANE_GDIPLUS_FUNCTIONS(BRELVANE_GDIPLUS_RESOLVE)
#undef BRELVANE_GDIPLUS_RESOLVE
#define BRELVANE_GDIPLUS_RESOLVE(ret, name, params) \
  Resolve(library, #name, native.only.name, missing);
  BRELVANE_GDIPLUS_NATIVE_ONLY_FUNCTIONS(BRELVANE_GDIPLUS_RESOLVE)
#undef BRELVANE_GDIPLUS_RESOLVE
  native.available = library.Symbol("GdiplusStartup") != nullptr;
  return native;
}

NativeLibrary UnavailableNative() {
  NativeLibrary native;
  native.api = FailingTable<kUnavailable>();
  native.only = FailingNativeOnly<kUnavailable>();
  return native;
}

const NativeLibrary& Native() { return Instance().native; }

const Api& Library() { return Instance().layer; }

bool LibraryAvailable() { return Instance().native.available; }

// One table per status the library defines; any other code answers GenericError.
Api FailingApi(Status failure) {
  static const auto tables =
      FailingTables(std::make_index_sequence<status::PropertyNotSupported + 1>());
  const bool known = failure >= 0 && failure < static_cast<Status>(tables.size());
  return tables[static_cast<std::size_t>(known ? failure : status::GenericError)];
}

}  // namespace platform::gdiplus
