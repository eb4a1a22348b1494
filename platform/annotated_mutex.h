#pragma once
// A mutex whose users state what it guards, for Clang's thread-safety analysis: a field
// marked GUARDED_BY(lock) may be touched only while `lock` is held, and a function marked
// REQUIRES(lock) only by a caller holding it. Other compilers see a plain std::mutex.

#include <mutex>

#if defined(__clang__)
#define STATS_THREAD_ATTRIBUTE(x) __attribute__((x))
#else
#define STATS_THREAD_ATTRIBUTE(x)
#endif

#define CAPABILITY(x) STATS_THREAD_ATTRIBUTE(capability(x))
#define SCOPED_CAPABILITY STATS_THREAD_ATTRIBUTE(scoped_lockable)
#define GUARDED_BY(x) STATS_THREAD_ATTRIBUTE(guarded_by(x))
#define REQUIRES(...) STATS_THREAD_ATTRIBUTE(requires_capability(__VA_ARGS__))
#define EXCLUDES(...) STATS_THREAD_ATTRIBUTE(locks_excluded(__VA_ARGS__))
#define ACQUIRE(...) STATS_THREAD_ATTRIBUTE(acquire_capability(__VA_ARGS__))
#define RELEASE(...) STATS_THREAD_ATTRIBUTE(release_capability(__VA_ARGS__))
#define TRY_ACQUIRE(...) STATS_THREAD_ATTRIBUTE(try_acquire_capability(__VA_ARGS__))

class CAPABILITY("mutex") Mutex {
 public:
  void lock() ACQUIRE() { mutex_.lock(); }
  void unlock() RELEASE() { mutex_.unlock(); }
  bool try_lock() TRY_ACQUIRE(true) { return mutex_.try_lock(); }

 private:
  std::mutex mutex_;
};

// Holds the mutex for its scope; Unlock() and Lock() let it go and take it again within.
class SCOPED_CAPABILITY MutexLock {
 public:
  explicit MutexLock(Mutex& mutex) ACQUIRE(mutex) : mutex_(mutex) { mutex_.lock(); }
  ~MutexLock() RELEASE() {
    if (held_) mutex_.unlock();
  }
  MutexLock(const MutexLock&) = delete;
  MutexLock& operator=(const MutexLock&) = delete;

  void Unlock() RELEASE() {
    mutex_.unlock();
    held_ = false;
  }
  void Lock() ACQUIRE() {
    mutex_.lock();
    held_ = true;
  }

 private:
  Mutex& mutex_;
  bool held_ = true;
};
