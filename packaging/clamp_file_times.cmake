# Run by CPack on the staged files before it packs them: every file and
# folder takes the time of the last commit (SOURCE_DATE_EPOCH, which the
# project's scripts set), so that the package does not depend on when it was
# built.
if(NOT "$ENV{SOURCE_DATE_EPOCH}" STREQUAL "")
  execute_process(
    COMMAND find ${CPACK_TEMPORARY_DIRECTORY} -exec touch -h -d @$ENV{SOURCE_DATE_EPOCH} {} +
    COMMAND_ERROR_IS_FATAL ANY)
endif()
