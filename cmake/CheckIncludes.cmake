# Fails when a source file under FOLDER includes a path that climbs out of its
# folder ("../"): a library reaches another only through the include prefixes its
# layer gives it. Touches STAMP when every include is in order.
#   cmake -DFOLDER=<folder> -DSTAMP=<file> -P CheckIncludes.cmake
file(GLOB_RECURSE sources ${FOLDER}/*.h ${FOLDER}/*.cpp ${FOLDER}/*.rc)
set(found "")
foreach(source IN LISTS sources)
    file(STRINGS ${source} climbing REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][^\">]*\\.\\.[/\\\\]")
    foreach(line IN LISTS climbing)
        string(APPEND found "\n  ${source}: ${line}")
    endforeach()
endforeach()
if(found)
    message(FATAL_ERROR "An include climbs out of its folder; include by the library's prefix instead:${found}")
endif()
file(TOUCH ${STAMP})
