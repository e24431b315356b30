#include "update/PageScriptEngine.h"

#include <duktape.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// What the engine's allocator and its execution check share.
struct Budget {
    std::chrono::steady_clock::time_point deadline;
    std::size_t limit = 0;
    std::size_t used = 0;
    bool timedOut = false;
};

// Every block carries its size in front, so that frees and reallocations
// keep the count exact.
constexpr std::size_t kHeader = alignof(std::max_align_t);

// Past the deadline nothing more is allocated: native work of the engine (a
// collection of a nearly full heap after every step, a join of millions of
// elements) runs between its time checks, but none of it goes far without
// memory.
bool outOfTime(Budget &budget) {
    if (!budget.timedOut && std::chrono::steady_clock::now() >= budget.deadline)
        budget.timedOut = true;
    return budget.timedOut;
}

void *allocate(void *udata, duk_size_t size) {
    auto *budget = static_cast<Budget *>(udata);
    if (size == 0 || size > budget->limit - budget->used || outOfTime(*budget))
        return nullptr;
    auto *block = static_cast<unsigned char *>(std::malloc(size + kHeader));
    if (!block)
        return nullptr;
    std::memcpy(block, &size, sizeof size);
    budget->used += size;
    return block + kHeader;
}

std::size_t sizeOf(void *pointer) {
    std::size_t size = 0;
    std::memcpy(&size, static_cast<unsigned char *>(pointer) - kHeader, sizeof size);
    return size;
}

void release(void *udata, void *pointer) {
    if (!pointer)
        return;
    static_cast<Budget *>(udata)->used -= sizeOf(pointer);
    std::free(static_cast<unsigned char *>(pointer) - kHeader);
}

void *reallocate(void *udata, void *pointer, duk_size_t size) {
    if (!pointer)
        return allocate(udata, size);
    if (size == 0) {
        release(udata, pointer);
        return nullptr;
    }
    auto *budget = static_cast<Budget *>(udata);
    const std::size_t old = sizeOf(pointer);
    if (size > old && (size - old > budget->limit - budget->used || outOfTime(*budget)))
        return nullptr;
    auto *block = static_cast<unsigned char *>(
        std::realloc(static_cast<unsigned char *>(pointer) - kHeader, size + kHeader));
    if (!block)
        return nullptr;
    std::memcpy(block, &size, sizeof size);
    budget->used = budget->used - old + size;
    return block + kHeader;
}

// Only reached for an error outside a protected call, which this file never
// makes; the engine requires that the handler does not return.
[[noreturn]] void fatal(void *, const char *) {
    std::abort();
}

struct HeapDeleter {
    void operator()(duk_context *context) const { duk_destroy_heap(context); }
};

void defineBrowserNames(duk_context *context) {
    duk_push_global_object(context);
    duk_push_global_object(context);
    duk_put_prop_string(context, -2, "window");
    duk_push_global_object(context);
    duk_put_prop_string(context, -2, "self");
    duk_push_object(context);
    duk_put_prop_string(context, -2, "document");
    duk_pop(context);
}

QString text(duk_context *context, duk_idx_t index) {
    if (duk_is_undefined(context, index) || duk_is_null(context, index))
        return {};
    duk_size_t length = 0;
    // Turning an object into text runs the page's code: protected, and
    // under the same time limit.
    const char *utf8 = duk_safe_to_lstring(context, index, &length);
    return QString::fromUtf8(utf8, static_cast<qsizetype>(length));
}

// Reads the global object's own enumerable properties: the page's variables.
duk_ret_t readGlobals(duk_context *context, void *udata) {
    auto *texts = static_cast<QHash<QString, QString> *>(udata);
    duk_push_global_object(context);
    duk_enum(context, -1, DUK_ENUM_OWN_PROPERTIES_ONLY);
    while (duk_next(context, -1, 1)) {
        const QString name = text(context, -2);
        texts->insert(name, text(context, -1));
        duk_pop_2(context);
    }
    duk_pop_2(context);
    return 0;
}

} // namespace

extern "C" int lumo_duktape_timed_out(void *udata) {
    return outOfTime(*static_cast<Budget *>(udata)) ? 1 : 0;
}

namespace lumo {

std::optional<QHash<QString, QString>> runPageScripts(const QStringList &scripts,
                                                      const ScriptLimits &limits) {
    Budget budget;
    budget.deadline = std::chrono::steady_clock::now() + limits.time;
    budget.limit = limits.memoryBytes;
    const std::unique_ptr<duk_context, HeapDeleter> heap(
        duk_create_heap(allocate, reallocate, release, &budget, fatal));
    if (!heap)
        return std::nullopt;
    duk_context *context = heap.get();
    defineBrowserNames(context);
    for (const QString &script : scripts) {
        const QByteArray utf8 = script.toUtf8();
        duk_peval_lstring(context, utf8.constData(), static_cast<duk_size_t>(utf8.size()));
        duk_pop(context);
        // One that was stopped for running too long leaves a page not worth
        // reading.
        if (budget.timedOut)
            return std::nullopt;
    }
    QHash<QString, QString> texts;
    if (duk_safe_call(context, readGlobals, &texts, 0, 1) != DUK_EXEC_SUCCESS || budget.timedOut)
        return std::nullopt;
    return texts;
}

} // namespace lumo
