# The Windows programs: zarq-settings.exe (Win32 and GDI+) and zarq-preset.exe, statically
# linked so that each needs only the DLLs every Windows has.

add_compile_definitions(UNICODE _UNICODE NOMINMAX WINVER=0x0A00 _WIN32_WINNT=0x0A00)
add_link_options(-static -static-libgcc -static-libstdc++)

# nlohmann's JSON is header-only: the Debian package's headers serve the cross build too,
# through a folder that holds nothing else of the build machine's.
set(ZARQ_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${ZARQ_HOST_HEADERS})
file(CREATE_LINK /usr/include/nlohmann ${ZARQ_HOST_HEADERS}/nlohmann SYMBOLIC)
add_library(zarq_json INTERFACE)
target_include_directories(zarq_json SYSTEM INTERFACE ${ZARQ_HOST_HEADERS})

# GDI+ drawing and text, WIC decoding, the Win32 host.
file(GLOB ZARQ_WIN32_SOURCES CONFIGURE_DEPENDS src/backend/win32/*.cpp)
add_library(zarq_win32 STATIC ${ZARQ_WIN32_SOURCES})
target_link_libraries(zarq_win32 PUBLIC zarq_core gdiplus ole32 comdlg32 shell32 imm32 user32
  gdi32 uuid)

# The icon, drawn from the SVG at the sizes Windows asks for.
set(ZARQ_ICON_SVG ${CMAKE_SOURCE_DIR}/data/icons/zarq-settings.svg)
set(ZARQ_ICON ${CMAKE_BINARY_DIR}/icon/zarq-settings.ico)
set(ZARQ_ICON_PNGS)
foreach(size 16 20 24 32 40 48 64 256)
  set(png ${CMAKE_BINARY_DIR}/icon/${size}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icon
    COMMAND rsvg-convert -w ${size} -h ${size} -o ${png} ${ZARQ_ICON_SVG}
    DEPENDS ${ZARQ_ICON_SVG} VERBATIM)
  list(APPEND ZARQ_ICON_PNGS ${png})
endforeach()
add_custom_command(OUTPUT ${ZARQ_ICON}
  COMMAND convert ${ZARQ_ICON_PNGS} ${ZARQ_ICON}
  DEPENDS ${ZARQ_ICON_PNGS} VERBATIM)
add_custom_target(zarq_icon DEPENDS ${ZARQ_ICON})

# The window and its loop; main.cpp and the resources make the program.
file(GLOB ZARQ_WIN32_APP_SOURCES CONFIGURE_DEPENDS src/app/win32/*.cpp)
list(REMOVE_ITEM ZARQ_WIN32_APP_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/src/app/win32/main.cpp)
add_library(zarq_win32_app STATIC ${ZARQ_WIN32_APP_SOURCES})
target_link_libraries(zarq_win32_app PUBLIC zarq_win32)

enable_language(RC)
add_executable(zarq-settings WIN32 src/app/win32/main.cpp src/app/win32/zarq-settings.rc)
add_dependencies(zarq-settings zarq_icon)
target_include_directories(zarq-settings PRIVATE ${CMAKE_BINARY_DIR}/icon src/app/win32)
set_source_files_properties(src/app/win32/zarq-settings.rc PROPERTIES
  OBJECT_DEPENDS "${ZARQ_ICON};${CMAKE_SOURCE_DIR}/src/app/win32/zarq-settings.manifest")
target_link_libraries(zarq-settings PRIVATE zarq_win32_app)
target_link_options(zarq-settings PRIVATE -municode -s)

file(GLOB ZARQ_TOOL_SOURCES CONFIGURE_DEPENDS tools/*.cpp)
list(REMOVE_ITEM ZARQ_TOOL_SOURCES ${CMAKE_SOURCE_DIR}/tools/main.cpp)
add_library(zarq_tool STATIC ${ZARQ_TOOL_SOURCES})
target_link_libraries(zarq_tool PUBLIC zarq_win32 zarq_json)
target_compile_definitions(zarq_tool PRIVATE ZARQ_VERSION="${PROJECT_VERSION}")
add_executable(zarq-preset tools/main.cpp)
target_link_libraries(zarq-preset PRIVATE zarq_tool)
target_link_options(zarq-preset PRIVATE -municode -s)
