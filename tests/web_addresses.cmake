# Fails when a document, or what the packages tell a reader, names a web
# address that is not the source of something Quorvane uses (or the name of
# an XML namespace, which only looks like one). The project has
# no address of its own yet; an address nobody here holds serves whatever a
# stranger who takes it chooses. SOURCE is the checkout.
cmake_minimum_required(VERSION 3.25)
set(sources_of_what_it_uses
    # The Debian mirror the Debian systems are made from, when the host's
    # apt names none.
    "http://deb.debian.org/debian"
    # The format of the Debian package's copyright file, which its Format
    # field must name.
    "https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
    # Names of XML namespaces, which look like addresses but are names that
    # Windows and SVG readers require as they stand; nobody is sent there.
    "http://schemas.microsoft.com/SMI/2005/WindowsSettings"
    "http://schemas.microsoft.com/SMI/2016/WindowsSettings"
    "http://www.w3.org/2000/svg")
file(GLOB documents ${SOURCE}/README.md ${SOURCE}/docs/*.md ${SOURCE}/packaging/quorvane.1
     ${SOURCE}/packaging/*.xml ${SOURCE}/packaging/*.desktop ${SOURCE}/packaging/*.txt
     ${SOURCE}/packaging/copyright ${SOURCE}/packaging/changelog ${SOURCE}/packaging/CMakeLists.txt
     ${SOURCE}/packaging/*.manifest ${SOURCE}/packaging/*.svg)
set(found 0)
foreach(document ${documents})
  file(READ ${document} text)
  string(REGEX MATCHALL "[a-zA-Z]+://[^] \t\r\n)<>\"'`]+" addresses "${text}")
  foreach(address ${addresses})
    math(EXPR found "${found} + 1")
    if(NOT address IN_LIST sources_of_what_it_uses)
      message(SEND_ERROR "${document} names ${address}")
    endif()
  endforeach()
endforeach()
message(STATUS "${found} web addresses, each the source of something Quorvane uses or a name")
