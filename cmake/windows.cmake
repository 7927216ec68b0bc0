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

# GDI+ drawing and text (DirectWrite tells which family has a character), WIC decoding, the
# Win32 host, the page's accessible object (oleacc).
file(GLOB ZARQ_WIN32_SOURCES CONFIGURE_DEPENDS src/backend/win32/*.cpp)
add_library(zarq_win32 STATIC ${ZARQ_WIN32_SOURCES})
target_link_libraries(zarq_win32 PUBLIC zarq_core gdiplus dwrite ole32 oleaut32 oleacc comdlg32
  shell32 imm32 user32 gdi32 uuid)

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

# The window and its loop; win32_app.cpp, with wWinMain, and the resources make the program.
file(GLOB ZARQ_WIN32_APP_SOURCES CONFIGURE_DEPENDS src/app/win32/*.cpp)
list(REMOVE_ITEM ZARQ_WIN32_APP_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/src/app/win32/win32_app.cpp)
add_library(zarq_win32_app STATIC ${ZARQ_WIN32_APP_SOURCES})
target_link_libraries(zarq_win32_app PUBLIC zarq_win32 advapi32)

enable_language(RC)
add_executable(zarq-settings WIN32 src/app/win32/win32_app.cpp src/app/win32/zarq-settings.rc)
add_dependencies(zarq-settings zarq_icon)
target_include_directories(zarq-settings PRIVATE ${CMAKE_BINARY_DIR}/icon src/app/win32)
set_source_files_properties(src/app/win32/zarq-settings.rc PROPERTIES
  OBJECT_DEPENDS "${ZARQ_ICON};${CMAKE_SOURCE_DIR}/src/app/win32/zarq-settings.manifest")
target_link_libraries(zarq-settings PRIVATE zarq_win32_app)
# The version Explorer shows in the program's properties.
target_compile_definitions(zarq-settings PRIVATE
  "ZARQ_VERSION_NUMBERS=${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${PROJECT_VERSION_PATCH},0"
  ZARQ_VERSION_TEXT=${PROJECT_VERSION})
target_link_options(zarq-settings PRIVATE -municode -s)

file(GLOB ZARQ_TOOL_SOURCES CONFIGURE_DEPENDS tools/*.cpp)
list(REMOVE_ITEM ZARQ_TOOL_SOURCES ${CMAKE_SOURCE_DIR}/tools/main.cpp)
add_library(zarq_tool STATIC ${ZARQ_TOOL_SOURCES})
target_link_libraries(zarq_tool PUBLIC zarq_win32 zarq_json)
target_compile_definitions(zarq_tool PRIVATE ZARQ_VERSION="${PROJECT_VERSION}")
add_executable(zarq-preset tools/main.cpp)
target_link_libraries(zarq-preset PRIVATE zarq_tool)
target_link_options(zarq-preset PRIVATE -municode -s)

# What users download: the installer (per user, built with wixl) and the portable zip, each
# with both programs, a short read-me and the licences, into build-windows/.
set(ZARQ_STAGE ${CMAKE_BINARY_DIR}/package)
file(MAKE_DIRECTORY ${ZARQ_STAGE})
set(ZARQ_README ${ZARQ_STAGE}/zarq-settings-README.txt)
set(ZARQ_LICENSE ${ZARQ_STAGE}/zarq-settings-LICENSE.txt)
add_custom_command(OUTPUT ${ZARQ_README}
  COMMAND ${CMAKE_COMMAND} -DINPUTS=${CMAKE_SOURCE_DIR}/data/windows/README.txt
    -DOUTPUT=${ZARQ_README} -P ${CMAKE_SOURCE_DIR}/cmake/windows_text.cmake
  DEPENDS data/windows/README.txt cmake/windows_text.cmake)
add_custom_command(OUTPUT ${ZARQ_LICENSE}
  COMMAND ${CMAKE_COMMAND}
    "-DINPUTS=${CMAKE_SOURCE_DIR}/data/copyright$<SEMICOLON>${CMAKE_SOURCE_DIR}/data/windows/runtime-copyright"
    -DOUTPUT=${ZARQ_LICENSE} -P ${CMAKE_SOURCE_DIR}/cmake/windows_text.cmake
  DEPENDS data/copyright data/windows/runtime-copyright cmake/windows_text.cmake VERBATIM)
set(ZARQ_PACKAGE_FILES zarq-settings.exe zarq-preset.exe zarq-settings-README.txt
  zarq-settings-LICENSE.txt)
set(ZARQ_ZIP ${CMAKE_BINARY_DIR}/zarq-settings-${PROJECT_VERSION}-windows.zip)
add_custom_command(OUTPUT ${ZARQ_ZIP}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:zarq-settings> $<TARGET_FILE:zarq-preset>
    ${ZARQ_ICON} ${ZARQ_STAGE}
  COMMAND ${CMAKE_COMMAND} -E tar cf ${ZARQ_ZIP} --format=zip ${ZARQ_PACKAGE_FILES}
  WORKING_DIRECTORY ${ZARQ_STAGE}
  DEPENDS zarq-settings zarq-preset ${ZARQ_README} ${ZARQ_LICENSE} ${ZARQ_ICON})
find_program(WIXL wixl)
if(WIXL)
  set(ZARQ_MSI ${CMAKE_BINARY_DIR}/zarq-settings-${PROJECT_VERSION}.msi)
  # One product code per version: a build of the installed version installs over it rather
  # than beside it, and a newer one replaces it.
  string(UUID ZARQ_PRODUCT_CODE NAMESPACE 6F0A4C1E-2B7D-4E0B-9C55-3A1D8E4F7B20
    NAME ${PROJECT_VERSION} TYPE SHA1 UPPER)
  # It takes the programs and the icon from the folder the zip is made in.
  add_custom_command(OUTPUT ${ZARQ_MSI}
    COMMAND ${WIXL} --arch x64 --define Version=${PROJECT_VERSION}
      --define ProductCode=${ZARQ_PRODUCT_CODE} --output ${ZARQ_MSI}
      ${CMAKE_SOURCE_DIR}/data/windows/zarq-settings.wxs
    WORKING_DIRECTORY ${ZARQ_STAGE}
    DEPENDS ${ZARQ_ZIP} data/windows/zarq-settings.wxs)
else()
  message(STATUS "wixl not found: no Windows installer")
endif()
add_custom_target(windows_packages DEPENDS ${ZARQ_ZIP} ${ZARQ_MSI})
