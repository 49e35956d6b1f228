# Fails when a file of rom/ or editor/ includes a higher layer's header, by
# any path ("ui/form1.h", "../ui/form1.h"), includes a Qt header by any of
# its spellings (<QString>, <QtCore/QString>, "qstring.h", <qwidget.h>), or
# includes anything by a path that climbs out of its folder. Prints how many
# includes it refused.
set(qt_header "[\"<](Qt[A-Za-z]*/)?(Q|q[a-z0-9_]*\\.h[\">])")
set(refused_rom "[\"<](editor/|ui/)|\\.\\.|${qt_header}")
set(refused_editor "[\"<]ui/|\\.\\.|${qt_header}")
set(refused 0)
foreach(layer rom editor)
  file(GLOB sources ${SOURCE}/${layer}/*.h ${SOURCE}/${layer}/*.cpp)
  foreach(source ${sources})
    file(STRINGS ${source} includes REGEX "^[ \t]*#[ \t]*include")
    foreach(include ${includes})
      if(include MATCHES "${refused_${layer}}")
        message(SEND_ERROR "${source}: ${include}")
        math(EXPR refused "${refused} + 1")
      endif()
    endforeach()
  endforeach()
endforeach()
message(STATUS "${refused} includes of a higher layer in rom/ and editor/")
