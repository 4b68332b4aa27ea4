// Where the tests that read data files find them: below a data root named by
// the "-D" option, else by ZEB_DATA_ROOT, else a default root. The toolkit's
// own tests default to a fixed root relative to the build tree; a module's
// tests name their own.
#ifndef ZEB_TEST_DATA_FILE_H
#define ZEB_TEST_DATA_FILE_H

// A new copy of the argument that follows the last usable occurrence of
// option, else of the environment variable's value (empty counts as set),
// else of fallback; null when nothing is found and fallback is null. The
// caller releases it with delete[].
char* LookUpSetting(const char* option,
                    int argc,
                    char* argv[],
                    const char* variable,
                    const char* fallback);

// A new array holding the data root, "/" and relativeName, with
// "../../../../ZEBData" as the default root; never null. The caller releases
// it with delete[].
char* ComposeDataFilePath(int argc, char* argv[], const char* relativeName);

// The same with defaultRoot (not null) as the default root, for a module
// whose data lie elsewhere, such as a folder its build names.
char* ComposeDataFilePathWithRoot(int argc,
                                  char* argv[],
                                  const char* relativeName,
                                  const char* defaultRoot);

#endif
