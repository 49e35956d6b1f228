# Fails unless PICTURE is a PNG at least as large as the window's client
# area, 514 by 595 pixels: the README's picture of the window.
file(READ ${PICTURE} header LIMIT 24 HEX)
string(SUBSTRING "${header}" 0 16 signature)
if(NOT signature STREQUAL "89504e470d0a1a0a")
  message(FATAL_ERROR "${PICTURE} is not a PNG")
endif()
# The image header's width and height, big-endian, from byte 16 on.
string(SUBSTRING "${header}" 32 8 width)
string(SUBSTRING "${header}" 40 8 height)
math(EXPR width "0x${width}")
math(EXPR height "0x${height}")
if(width LESS 514 OR height LESS 595)
  message(FATAL_ERROR "${PICTURE} is ${width}x${height}, smaller than the window's 514x595")
endif()
message(STATUS "${PICTURE} is a PNG of ${width}x${height}")
