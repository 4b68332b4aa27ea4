// Process-wide set-up of the server manager. Proxies can be made only between
// Initialize and Finalize; a process may initialise again after finalising.
#ifndef ZEB_INITIALIZATION_HELPER_H
#define ZEB_INITIALIZATION_HELPER_H

class zebInitializationHelper
{
public:
  // Records the executable path (null for none) and the process type. A call
  // while already initialised keeps the first call's settings.
  static void Initialize(const char* executablePath, int processType);

  // Ends the set-up; proxies that exist stay valid, new ones cannot be made.
  static void Finalize();

  static bool IsInitialized();

  // The path given to Initialize, "" when it was null or not initialised.
  static const char* GetExecutablePath();
  static int GetProcessType();
};

#endif
