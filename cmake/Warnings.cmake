# Warnings for our own targets only (linked PRIVATE); third-party headers come in as SYSTEM.
add_library(quill_warnings INTERFACE)
target_compile_options(quill_warnings INTERFACE -Wall -Wextra)
