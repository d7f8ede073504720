package com.pelorin.tools;

import java.io.File;
import java.io.IOException;
import java.lang.reflect.InvocationTargetException;
import java.lang.reflect.Method;
import java.net.URISyntaxException;
import java.net.URL;
import java.net.URLClassLoader;
import java.nio.file.Files;
import java.nio.file.Path;
import java.nio.file.Paths;
import java.util.ArrayList;
import java.util.Arrays;
import java.util.List;

/**
 * s/apktool.jar: runs the system's apktool with the Android framework kept
 * beside this jar (s/framework/1.apk), so that "java -jar s/apktool.jar b -f
 * <folder>" needs no set-up in the user's home. apktool finds aapt on PATH.
 */
public final class ApktoolLauncher {
    static final Path APKTOOL_HOME = Paths.get("/usr/share/apktool");
    static final Path SYSTEM_FRAMEWORK = Paths.get("/usr/share/android-framework-res/framework-res.apk");
    static final List<String> FRAMEWORK_COMMANDS = Arrays.asList("b", "build", "d", "decode", "if", "install-framework");

    private ApktoolLauncher() {
    }

    public static void main(String[] args) {
        Utf8Locale.ensure();
        try {
            Path frameworkDir = toolsFolder().resolve("framework");
            ensureFramework(frameworkDir);
            run(withDefaults(args, frameworkDir));
            System.exit(0);
        } catch (LaunchException e) {
            System.err.println("apktool launcher: " + e.getMessage());
            System.exit(1);
        }
    }

    /** The folder that holds this jar (the application's s/ folder). */
    static Path toolsFolder() throws LaunchException {
        try {
            URL location = ApktoolLauncher.class.getProtectionDomain().getCodeSource().getLocation();
            return Paths.get(location.toURI()).toAbsolutePath().getParent();
        } catch (URISyntaxException | SecurityException | NullPointerException e) {
            throw new LaunchException("cannot tell where apktool.jar lies: " + e);
        }
    }

    /** Makes sure framework/1.apk exists, linking the system's framework in when it is missing. */
    static void ensureFramework(Path frameworkDir) throws LaunchException {
        Path apk = frameworkDir.resolve("1.apk");
        if (Files.isRegularFile(apk)) {
            return;
        }
        if (!Files.isRegularFile(SYSTEM_FRAMEWORK)) {
            throw new LaunchException("the Android framework is missing: neither " + apk + " nor " + SYSTEM_FRAMEWORK
                    + " exists (Debian package android-framework-res)");
        }
        try {
            Files.createDirectories(frameworkDir);
            Files.deleteIfExists(apk); // a dangling link
            Files.createSymbolicLink(apk, SYSTEM_FRAMEWORK);
        } catch (IOException e) {
            throw new LaunchException("cannot link the Android framework into " + frameworkDir + ": " + e);
        }
    }

    /** Adds the framework folder to a command that needs one, unless given. */
    static String[] withDefaults(String[] args, Path frameworkDir) {
        List<String> out = new ArrayList<>(Arrays.asList(args));
        int command = -1;
        for (int i = 0; i < args.length; i++) {
            if (!args[i].startsWith("-")) {
                command = i;
                break;
            }
        }
        if (command < 0 || !FRAMEWORK_COMMANDS.contains(args[command])) {
            return args;
        }
        if (!out.contains("-p") && !out.contains("--frame-path")) {
            out.addAll(command + 1, Arrays.asList("-p", frameworkDir.toString()));
        }
        return out.toArray(new String[0]);
    }

    private static void run(String[] args) throws LaunchException {
        File[] jars = APKTOOL_HOME.toFile().listFiles((dir, name) -> name.endsWith(".jar"));
        if (jars == null || jars.length == 0) {
            throw new LaunchException("apktool is not installed: no jars in " + APKTOOL_HOME + " (Debian package apktool)");
        }
        Arrays.sort(jars);
        List<URL> urls = new ArrayList<>();
        for (File jar : jars) {
            try {
                urls.add(jar.toURI().toURL());
            } catch (IOException e) {
                throw new LaunchException("bad jar path " + jar + ": " + e);
            }
        }
        ClassLoader loader = new URLClassLoader(urls.toArray(new URL[0]), ClassLoader.getPlatformClassLoader());
        Thread.currentThread().setContextClassLoader(loader);
        try {
            Method main = loader.loadClass("brut.apktool.Main").getMethod("main", String[].class);
            main.invoke(null, (Object) args);
        } catch (InvocationTargetException e) {
            Throwable cause = e.getCause() != null ? e.getCause() : e;
            cause.printStackTrace();
            throw new LaunchException("apktool failed: " + cause);
        } catch (ReflectiveOperationException e) {
            throw new LaunchException("cannot start apktool from " + APKTOOL_HOME + ": " + e);
        }
    }

    static final class LaunchException extends Exception {
        private static final long serialVersionUID = 1L;

        LaunchException(String message) {
            super(message);
        }
    }
}
