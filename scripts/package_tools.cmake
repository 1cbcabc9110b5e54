# Run by CPack before it builds the Debian package: the tools that work out its dependencies
# must be there (Debian packages dpkg-dev and file; scripts/setup.sh installs them).
foreach(nastroj dpkg-shlibdeps file)
    find_program(cesta_${nastroj} ${nastroj})
    if(NOT cesta_${nastroj})
        message(FATAL_ERROR "The package needs ${nastroj} to find its dependencies: apt-get install dpkg-dev file")
    endif()
endforeach()
