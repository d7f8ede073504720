package pelorin;

import android.app.Notification;
import android.app.PendingIntent;
import android.app.Service;
import android.content.BroadcastReceiver;
import android.content.Context;
import android.content.Intent;
import android.content.ServiceConnection;
import android.content.SharedPreferences;
import android.media.MediaPlayer;
import android.os.Build;
import android.os.Handler;
import android.os.Message;
import java.io.ByteArrayInputStream;
import java.io.FileDescriptor;
import java.io.FileNotFoundException;
import java.io.IOException;
import java.io.InputStream;
import java.lang.reflect.Method;
import java.nio.charset.StandardCharsets;
import java.nio.file.Files;
import java.nio.file.Path;
import java.util.ArrayList;
import java.util.HashMap;
import java.util.HashSet;
import java.util.IdentityHashMap;
import java.util.LinkedHashMap;
import java.util.List;
import java.util.Map;
import java.util.Set;

/**
 * A simulated phone for the shell's classes: every android.* stand-in hands
 * its calls to call(), which plays the platform's part with the behaviour the
 * shell relies on and that a phone enforces (MediaPlayer states, receivers
 * registered once, services created, bound, started and destroyed, WebView
 * calls on the main thread only, foreground starts that Android 12 may
 * refuse). Time is simulated; the main thread is the caller's thread, the
 * page's bridge calls run on a thread of their own.
 */
public final class Sim {
  public static final class Token {
    private Token() {}
  }

  public static final Token TOKEN = new Token();

  // ---- the world ----------------------------------------------------------
  static Path album;
  static final Set<String> compressed = new HashSet<>();
  static final Map<String, Map<String, Object>> prefs = new HashMap<>();
  static long now;
  static Thread mainThread;
  static IdentityHashMap<Object, Map<String, Object>> objects;
  static List<Object[]> queue;
  static long sequence;
  static Map<Integer, Notification> posted;
  static List<Object> channels;
  static boolean foreground;
  static int foregroundType;
  static boolean refuseForeground;
  static boolean inBackground;
  static Map<BroadcastReceiver, String> receivers;
  static Object focusListener;
  static int focusAnswer;
  static List<String> focusCalls;
  static Service service;
  static boolean serviceStarted;
  static List<ServiceConnection> connections;
  static List<MediaPlayer> players;
  static Object session;
  static List<String> page;
  static Object bridge;
  static List<String> opened;
  static int openDescriptors;
  static List<String> activities;
  static Map<String, Object> singletons;

  private Sim() {}

  /** A new phone with nothing saved; `album` holds assets/ and res/raw/. */
  public static void reset(Path albumFolder, int sdk) {
    prefs.clear();
    compressed.clear();
    album = albumFolder;
    Build.VERSION.SDK_INT = sdk;
    restartProcess();
  }

  /** The process dies and starts again: only the preferences and the package stay. */
  public static void restartProcess() {
    mainThread = Thread.currentThread();
    objects = new IdentityHashMap<>();
    queue = new ArrayList<>();
    posted = new LinkedHashMap<>();
    channels = new ArrayList<>();
    foreground = false;
    foregroundType = 0;
    refuseForeground = false;
    inBackground = false;
    receivers = new IdentityHashMap<>();
    focusListener = null;
    focusAnswer = 1;
    focusCalls = new ArrayList<>();
    service = null;
    serviceStarted = false;
    connections = new ArrayList<>();
    players = new ArrayList<>();
    session = null;
    page = new ArrayList<>();
    bridge = null;
    opened = new ArrayList<>();
    openDescriptors = 0;
    activities = new ArrayList<>();
    singletons = new HashMap<>();
  }

  public static Map<String, Object> state(Object self) {
    return objects.computeIfAbsent(self, k -> new HashMap<>());
  }

  static Object get(Object self, String key) {
    return state(self).get(key);
  }

  static Object single(String name, java.util.function.Supplier<Object> make) {
    return singletons.computeIfAbsent(name, k -> make.get());
  }

  /** A platform member of API `api`, called on the simulated phone. */
  public static void since(int api, String key) {
    if (Build.VERSION.SDK_INT < api) throw new NoSuchMethodError(key + " needs API " + api + ", the phone has " + Build.VERSION.SDK_INT);
  }

  public static int i(Object o) { return o == null ? 0 : ((Number) o).intValue(); }
  public static boolean z(Object o) { return o != null && (Boolean) o; }
  public static long j(Object o) { return o == null ? 0 : ((Number) o).longValue(); }
  public static float f(Object o) { return o == null ? 0 : ((Number) o).floatValue(); }

  static RuntimeException misuse(String what) {
    return new IllegalStateException(what);
  }

  // ---- the main thread ----------------------------------------------------
  static void post(long delay, Object target, Object what) {
    queue.add(new Object[] {now + delay, sequence++, target, what});
  }

  /** Runs what is due on the main thread, in order. */
  public static void run() {
    while (true) {
      Object[] next = null;
      for (Object[] e : queue) {
        if ((long) e[0] <= now && (next == null || (long) e[0] < (long) next[0]
            || ((long) e[0] == (long) next[0] && (long) e[1] < (long) next[1]))) next = e;
      }
      if (next == null) return;
      queue.remove(next);
      if (next[3] instanceof Message) {
        Handler.Callback callback = (Handler.Callback) get(next[2], "callback");
        callback.handleMessage((Message) next[3]);
      } else {
        ((Runnable) next[3]).run();
      }
    }
  }

  /** Lets `ms` of time pass: songs play, end or fail, delayed messages arrive. */
  public static void advance(long ms) {
    long end = now + ms;
    run();
    while (true) {
      long at = end;
      MediaPlayer due = null;
      for (MediaPlayer p : players) {
        Long t = Players.eventTime(p);
        if (t != null && t <= at) { at = t; due = p; }
      }
      for (Object[] e : queue) if ((long) e[0] < at) { at = (long) e[0]; due = null; }
      now = at;
      if (due != null) Players.fire(due);
      run();
      if (now >= end && due == null) return;
    }
  }

  // ---- the page -------------------------------------------------------------
  /** The page calls window.NativePlayer.<method>(args) on WebView's bridge thread. */
  public static Object page(String method, Object... args) {
    Object[] result = new Object[1];
    Throwable[] failure = new Throwable[1];
    Thread thread = new Thread(() -> {
      try {
        for (Method m : bridge.getClass().getMethods()) {
          if (!m.getName().equals(method) || m.getParameterCount() != args.length) continue;
          // enjarify drops annotations: the runner passes the methods the dex annotates
          if (!List.of(System.getProperty("pelorin.bridge", "").split(",")).contains(method)) throw misuse(method + " is not a @JavascriptInterface");
          result[0] = m.invoke(bridge, args);
          return;
        }
        throw misuse("the bridge has no " + method);
      } catch (Throwable t) {
        failure[0] = t;
      }
    }, "JavaBridge");
    thread.start();
    try {
      thread.join();
    } catch (InterruptedException e) {
      throw new RuntimeException(e);
    }
    if (failure[0] != null) throw new RuntimeException("page call " + method + " threw", failure[0]);
    run();
    return result[0];
  }

  /** The states the page received through window.nativeState, oldest first. */
  public static List<String> events() {
    List<String> out = new ArrayList<>();
    for (String script : page) {
      int start = script.indexOf("window.nativeState(");
      if (start >= 0) out.add(script.substring(start + 19, script.length() - 1));
    }
    return out;
  }

  // ---- the service ------------------------------------------------------------
  static Service ensureService(Intent intent) {
    if (service == null) {
      try {
        service = (Service) ((Class<?>) get(intent, "component")).getDeclaredConstructor().newInstance();
      } catch (ReflectiveOperationException e) {
        throw new RuntimeException(e);
      }
      service.onCreate();
    }
    return service;
  }

  static void maybeDestroy() {
    if (service != null && connections.isEmpty() && !serviceStarted) {
      Service gone = service;
      service = null;
      foreground = false;
      gone.onDestroy();
    }
  }

  static Object startService(Intent intent, boolean exempt) {
    if (service == null || !serviceStarted) {
      if (!exempt && inBackground && Build.VERSION.SDK_INT >= 26) throw misuse("Not allowed to start service: app is in background");
    }
    Service s = ensureService(intent);
    serviceStarted = true;
    post(0, null, (Runnable) () -> s.onStartCommand(intent, 0, 1));
    return new android.content.ComponentName(TOKEN);
  }

  /** The system delivers a PendingIntent (a notification button or tap). */
  public static void send(PendingIntent pending) {
    Intent intent = (Intent) get(pending, "intent");
    if ("service".equals(get(pending, "kind"))) startService(intent, true);
    else activities.add(String.valueOf(get(intent, "component")));
    run();
  }

  /** A system broadcast to the receivers registered for it. */
  public static void broadcast(String action) {
    for (Map.Entry<BroadcastReceiver, String> e : new ArrayList<>(receivers.entrySet())) {
      if (!action.equals(e.getValue())) continue;
      Intent intent = new Intent(TOKEN);
      state(intent).put("action", action);
      e.getKey().onReceive(service, intent);
    }
    run();
  }

  /** The audio system changes the focus of the last requester. */
  public static void focus(int change) {
    if (focusListener == null) throw misuse("no one holds audio focus");
    ((android.media.AudioManager.OnAudioFocusChangeListener) focusListener).onAudioFocusChange(change);
    run();
  }

  /** A headset or Bluetooth button, dispatched by the session as the platform does. */
  public static void mediaButton(String button) {
    if (session == null || !z(get(session, "active"))) return;
    if (Build.VERSION.SDK_INT < 26 && (i(get(session, "flags")) & 1) == 0) return;
    android.media.session.MediaSession.Callback cb = (android.media.session.MediaSession.Callback) get(session, "callback");
    Object playback = get(session, "playbackState");
    boolean playing = playback != null && i(get(playback, "state")) == 3;
    switch (button) {
      case "play_pause": if (playing) cb.onPause(); else cb.onPlay(); break;
      case "next": cb.onSkipToNext(); break;
      case "previous": cb.onSkipToPrevious(); break;
      default: throw misuse(button);
    }
    run();
  }

  // ---- the package's files -------------------------------------------------------
  static byte[] read(String relative) throws IOException {
    Path file = album.resolve(relative);
    if (!Files.isRegularFile(file)) throw new FileNotFoundException(relative);
    return Files.readAllBytes(file);
  }

  static String text(byte[] bytes) {
    return new String(bytes, StandardCharsets.UTF_8);
  }

  // ---- the platform's calls -----------------------------------------------------------
  public static Object call(Object self, String key, Object[] a) {
    try {
      return Calls.dispatch(self, key, a);
    } catch (RuntimeException e) {
      throw e;
    } catch (Exception e) {
      // an IOException that the platform method declares
      throw Sim.<RuntimeException>sneaky(e);
    }
  }

  @SuppressWarnings("unchecked")
  static <T extends Throwable> T sneaky(Throwable t) throws T {
    throw (T) t;
  }

  static Object sharedPreferences(String name) {
    Map<String, Object> values = prefs.computeIfAbsent(name, k -> new HashMap<>());
    return new Prefs(values);
  }

  /** SharedPreferences and its editor over a map kept across process restarts. */
  static final class Prefs implements SharedPreferences, SharedPreferences.Editor {
    final Map<String, Object> values;
    final Map<String, Object> pending = new HashMap<>();
    Prefs(Map<String, Object> values) { this.values = values; }
    public SharedPreferences.Editor edit() { return new Prefs(values); }
    public boolean getBoolean(String k, boolean d) { return (Boolean) values.getOrDefault(k, d); }
    public int getInt(String k, int d) { return (Integer) values.getOrDefault(k, d); }
    public String getString(String k, String d) { return (String) values.getOrDefault(k, d); }
    public SharedPreferences.Editor putBoolean(String k, boolean v) { pending.put(k, v); return this; }
    public SharedPreferences.Editor putInt(String k, int v) { pending.put(k, v); return this; }
    public SharedPreferences.Editor putString(String k, String v) { pending.put(k, v); return this; }
    public void apply() { values.putAll(pending); }
  }

  static InputStream stream(byte[] bytes) {
    return new ByteArrayInputStream(bytes);
  }

  static FileDescriptor descriptor(String path) {
    FileDescriptor fd = new FileDescriptor();
    state(fd).put("path", path);
    return fd;
  }
}
