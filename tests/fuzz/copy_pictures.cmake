# Copies the show's generated pictures into the seed folder, when there are any.
if(FROM AND EXISTS "${FROM}")
    file(GLOB pictures "${FROM}/*.bmp")
    file(COPY ${pictures} DESTINATION "${TO}")
endif()
