// The Android and Java platform classes and members the native shell uses,
// as the platform declares them: class hierarchy, interface, abstract or
// class, and per member whether it is static, protected or abstract and the
// API level that added it (where above 1; on a class: the level of the whole
// class). The smali check resolves every call and field against this table,
// so a misspelt descriptor, a wrong invoke kind or a call newer than the
// guard around it fails here instead of on a phone; the JVM run of the shell
// generates its android.* stand-ins from the same table. A new call needs a
// new row, checked against the platform's documentation.
const OBJECT = 'Ljava/lang/Object;';
const CONTEXT = 'Landroid/content/Context;';
const BUILDER = 'Landroid/app/Notification$Builder;';

// Builder methods that return their builder, as { 'name(args)': api }.
const chain = (returns, methods) => Object.fromEntries(
  Object.entries(methods).map(([m, api]) => [`${m}${returns}`, api > 1 ? { api } : {}]));

export const FRAMEWORK = {
  // ---- java.*, org.json (the real classes on the JVM and on the phone) ----
  'Ljava/lang/Object;': { super: null, methods: { '<init>()V': {}, 'toString()Ljava/lang/String;': {} } },
  'Ljava/lang/CharSequence;': { interface: true, methods: { 'toString()Ljava/lang/String;': {} } },
  'Ljava/lang/String;': {
    super: OBJECT,
    implements: ['Ljava/lang/CharSequence;'],
    methods: {
      'equals(Ljava/lang/Object;)Z': {}, 'length()I': {}, 'trim()Ljava/lang/String;': {},
      'startsWith(Ljava/lang/String;)Z': {}, 'indexOf(II)I': {}, 'lastIndexOf(I)I': {},
      'substring(I)Ljava/lang/String;': {}, 'substring(II)Ljava/lang/String;': {},
      'split(Ljava/lang/String;)[Ljava/lang/String;': {},
    },
  },
  'Ljava/lang/StringBuilder;': {
    super: OBJECT,
    implements: ['Ljava/lang/CharSequence;'],
    methods: {
      '<init>()V': {}, '<init>(Ljava/lang/String;)V': {}, 'toString()Ljava/lang/String;': {},
      'append(Ljava/lang/String;)Ljava/lang/StringBuilder;': {}, 'append(I)Ljava/lang/StringBuilder;': {},
      'append(Z)Ljava/lang/StringBuilder;': {},
    },
  },
  'Ljava/lang/Math;': { super: OBJECT, methods: { 'max(II)I': { static: true } } },
  'Ljava/lang/Class;': { super: OBJECT, methods: {} },
  'Ljava/lang/Throwable;': { super: OBJECT, methods: {} },
  'Ljava/lang/Exception;': { super: 'Ljava/lang/Throwable;', methods: {} },
  'Ljava/lang/RuntimeException;': { super: 'Ljava/lang/Exception;', methods: {} },
  'Ljava/io/IOException;': { super: 'Ljava/lang/Exception;', methods: {} },
  'Ljava/io/FileDescriptor;': { super: OBJECT, methods: {} },
  'Ljava/io/InputStream;': { super: OBJECT, methods: { 'read([B)I': {}, 'close()V': {} } },
  'Ljava/io/OutputStream;': { super: OBJECT, methods: {} },
  'Ljava/io/ByteArrayOutputStream;': {
    super: 'Ljava/io/OutputStream;',
    methods: { '<init>()V': {}, 'write([BII)V': {}, 'toString(Ljava/lang/String;)Ljava/lang/String;': {} },
  },
  'Ljava/util/ArrayList;': {
    super: OBJECT,
    methods: { '<init>()V': {}, 'add(Ljava/lang/Object;)Z': {}, 'get(I)Ljava/lang/Object;': {}, 'size()I': {} },
  },
  'Ljava/util/Random;': { super: OBJECT, methods: { '<init>()V': {}, 'nextInt(I)I': {} } },
  'Lorg/json/JSONException;': { super: 'Ljava/lang/Exception;', methods: {} },
  'Lorg/json/JSONArray;': {
    super: OBJECT,
    methods: { '<init>(Ljava/lang/String;)V': {}, 'length()I': {}, 'optJSONObject(I)Lorg/json/JSONObject;': {} },
  },
  'Lorg/json/JSONObject;': { super: OBJECT, methods: { 'optString(Ljava/lang/String;)Ljava/lang/String;': {} } },

  // ---- android.content, android.os ----
  'Landroid/content/Context;': {
    super: OBJECT,
    abstract: true,
    methods: {
      'getApplicationInfo()Landroid/content/pm/ApplicationInfo;': { api: 4 },
      'getPackageManager()Landroid/content/pm/PackageManager;': {},
      'getResources()Landroid/content/res/Resources;': {},
      'getPackageName()Ljava/lang/String;': {},
      'getAssets()Landroid/content/res/AssetManager;': {},
      'getSystemService(Ljava/lang/String;)Ljava/lang/Object;': {},
      'getSharedPreferences(Ljava/lang/String;I)Landroid/content/SharedPreferences;': {},
      'startService(Landroid/content/Intent;)Landroid/content/ComponentName;': {},
      'bindService(Landroid/content/Intent;Landroid/content/ServiceConnection;I)Z': {},
      'unbindService(Landroid/content/ServiceConnection;)V': {},
      'registerReceiver(Landroid/content/BroadcastReceiver;Landroid/content/IntentFilter;)Landroid/content/Intent;': {},
      'unregisterReceiver(Landroid/content/BroadcastReceiver;)V': {},
    },
  },
  'Landroid/content/ContextWrapper;': { super: CONTEXT, methods: {} },
  'Landroid/view/ContextThemeWrapper;': { super: 'Landroid/content/ContextWrapper;', methods: {} },
  'Landroid/app/Activity;': {
    super: 'Landroid/view/ContextThemeWrapper;',
    methods: {
      '<init>()V': {},
      'onCreate(Landroid/os/Bundle;)V': { protected: true },
      'onDestroy()V': { protected: true },
      'onBackPressed()V': { api: 5 },
      'finish()V': {},
      'moveTaskToBack(Z)Z': {},
      'setContentView(Landroid/view/View;)V': {},
      'setVolumeControlStream(I)V': {},
    },
  },
  'Landroid/app/Service;': {
    super: 'Landroid/content/ContextWrapper;',
    abstract: true,
    methods: {
      '<init>()V': {},
      'onCreate()V': {},
      'onStartCommand(Landroid/content/Intent;II)I': { api: 5 },
      'onBind(Landroid/content/Intent;)Landroid/os/IBinder;': { abstract: true },
      'onTaskRemoved(Landroid/content/Intent;)V': { api: 14 },
      'onDestroy()V': {},
      'startForeground(ILandroid/app/Notification;)V': { api: 5 },
      'startForeground(ILandroid/app/Notification;I)V': { api: 29 },
      'stopForeground(Z)V': { api: 5 },
      'stopSelf()V': {},
    },
  },
  'Landroid/content/BroadcastReceiver;': {
    super: OBJECT,
    abstract: true,
    methods: { '<init>()V': {}, 'onReceive(Landroid/content/Context;Landroid/content/Intent;)V': { abstract: true } },
  },
  'Landroid/content/ServiceConnection;': {
    interface: true,
    methods: {
      'onServiceConnected(Landroid/content/ComponentName;Landroid/os/IBinder;)V': { abstract: true },
      'onServiceDisconnected(Landroid/content/ComponentName;)V': { abstract: true },
    },
  },
  'Landroid/content/ComponentName;': { super: OBJECT, methods: {} },
  'Landroid/content/Intent;': {
    super: OBJECT,
    methods: {
      '<init>(Landroid/content/Context;Ljava/lang/Class;)V': {},
      'getAction()Ljava/lang/String;': {},
      'setAction(Ljava/lang/String;)Landroid/content/Intent;': {},
    },
  },
  'Landroid/content/IntentFilter;': { super: OBJECT, methods: { '<init>(Ljava/lang/String;)V': {} } },
  'Landroid/content/SharedPreferences;': {
    interface: true,
    methods: {
      'edit()Landroid/content/SharedPreferences$Editor;': { abstract: true },
      'getBoolean(Ljava/lang/String;Z)Z': { abstract: true },
      'getInt(Ljava/lang/String;I)I': { abstract: true },
      'getString(Ljava/lang/String;Ljava/lang/String;)Ljava/lang/String;': { abstract: true },
    },
  },
  'Landroid/content/SharedPreferences$Editor;': {
    interface: true,
    methods: {
      'apply()V': { api: 9, abstract: true },
      'putBoolean(Ljava/lang/String;Z)Landroid/content/SharedPreferences$Editor;': { abstract: true },
      'putInt(Ljava/lang/String;I)Landroid/content/SharedPreferences$Editor;': { abstract: true },
      'putString(Ljava/lang/String;Ljava/lang/String;)Landroid/content/SharedPreferences$Editor;': { abstract: true },
    },
  },
  'Landroid/content/pm/PackageManager;': {
    super: OBJECT,
    abstract: true,
    methods: { 'getLaunchIntentForPackage(Ljava/lang/String;)Landroid/content/Intent;': { api: 3 } },
  },
  'Landroid/content/pm/PackageItemInfo;': {
    super: OBJECT,
    methods: { 'loadLabel(Landroid/content/pm/PackageManager;)Ljava/lang/CharSequence;': {} },
  },
  'Landroid/content/pm/ApplicationInfo;': { super: 'Landroid/content/pm/PackageItemInfo;', methods: {} },
  'Landroid/content/res/Resources;': {
    super: OBJECT,
    methods: {
      'getIdentifier(Ljava/lang/String;Ljava/lang/String;Ljava/lang/String;)I': {},
      'openRawResource(I)Ljava/io/InputStream;': {},
    },
  },
  'Landroid/content/res/AssetManager;': {
    super: OBJECT,
    methods: {
      'open(Ljava/lang/String;)Ljava/io/InputStream;': {},
      'openFd(Ljava/lang/String;)Landroid/content/res/AssetFileDescriptor;': {},
    },
  },
  'Landroid/content/res/AssetFileDescriptor;': {
    super: OBJECT,
    methods: {
      'getFileDescriptor()Ljava/io/FileDescriptor;': { api: 3 },
      'getStartOffset()J': { api: 3 },
      'getLength()J': { api: 3 },
      'close()V': { api: 3 },
    },
  },
  'Landroid/os/Bundle;': { super: OBJECT, methods: {} },
  'Landroid/os/IBinder;': { interface: true, methods: {} },
  'Landroid/os/Binder;': { super: OBJECT, implements: ['Landroid/os/IBinder;'], methods: { '<init>()V': {} } },
  'Landroid/os/Build$VERSION;': { super: OBJECT, methods: {}, fields: { 'SDK_INT:I': { static: true, api: 4 } } },
  'Landroid/os/Looper;': { super: OBJECT, methods: { 'getMainLooper()Landroid/os/Looper;': { static: true } } },
  'Landroid/os/Handler;': {
    super: OBJECT,
    methods: {
      '<init>(Landroid/os/Looper;Landroid/os/Handler$Callback;)V': { api: 3 },
      'obtainMessage(IIILjava/lang/Object;)Landroid/os/Message;': {},
      'removeMessages(I)V': {},
      'sendEmptyMessageDelayed(IJ)Z': {},
    },
  },
  'Landroid/os/Handler$Callback;': {
    interface: true,
    methods: { 'handleMessage(Landroid/os/Message;)Z': { abstract: true } },
  },
  'Landroid/os/Message;': {
    super: OBJECT,
    methods: { 'sendToTarget()V': {} },
    fields: { 'what:I': {}, 'arg1:I': {}, 'obj:Ljava/lang/Object;': {} },
  },

  // ---- android.app: notifications ----
  'Landroid/app/Notification;': { super: OBJECT, methods: {} },
  'Landroid/app/Notification$Style;': { super: OBJECT, abstract: true, methods: {} },
  'Landroid/app/Notification$MediaStyle;': {
    super: 'Landroid/app/Notification$Style;',
    methods: {
      '<init>()V': { api: 21 },
      'setMediaSession(Landroid/media/session/MediaSession$Token;)Landroid/app/Notification$MediaStyle;': { api: 21 },
      'setShowActionsInCompactView([I)Landroid/app/Notification$MediaStyle;': { api: 21 },
    },
  },
  'Landroid/app/Notification$Builder;': {
    super: OBJECT,
    methods: {
      '<init>(Landroid/content/Context;)V': { api: 11 },
      '<init>(Landroid/content/Context;Ljava/lang/String;)V': { api: 26 },
      'build()Landroid/app/Notification;': { api: 16 },
      'addAction(ILjava/lang/CharSequence;Landroid/app/PendingIntent;)Landroid/app/Notification$Builder;': { api: 16 },
      ...chain(BUILDER, {
        'setSmallIcon(I)': 11, 'setContentTitle(Ljava/lang/CharSequence;)': 11,
        'setContentText(Ljava/lang/CharSequence;)': 11, 'setSubText(Ljava/lang/CharSequence;)': 16,
        'setLargeIcon(Landroid/graphics/Bitmap;)': 11, 'setContentIntent(Landroid/app/PendingIntent;)': 11,
        'setDeleteIntent(Landroid/app/PendingIntent;)': 11, 'setVisibility(I)': 21, 'setShowWhen(Z)': 17,
        'setOngoing(Z)': 11, 'setStyle(Landroid/app/Notification$Style;)': 16,
      }),
    },
  },
  'Landroid/app/NotificationChannel;': {
    super: OBJECT,
    api: 26,
    methods: { '<init>(Ljava/lang/String;Ljava/lang/CharSequence;I)V': { api: 26 } },
  },
  'Landroid/app/NotificationManager;': {
    super: OBJECT,
    methods: {
      'notify(ILandroid/app/Notification;)V': {},
      'cancel(I)V': {},
      'createNotificationChannel(Landroid/app/NotificationChannel;)V': { api: 26 },
    },
  },
  'Landroid/app/PendingIntent;': {
    super: OBJECT,
    methods: {
      'getService(Landroid/content/Context;ILandroid/content/Intent;I)Landroid/app/PendingIntent;': { static: true },
      'getActivity(Landroid/content/Context;ILandroid/content/Intent;I)Landroid/app/PendingIntent;': { static: true },
    },
  },

  // ---- android.media ----
  'Landroid/media/MediaPlayer;': {
    super: OBJECT,
    methods: {
      '<init>()V': {},
      'setOnCompletionListener(Landroid/media/MediaPlayer$OnCompletionListener;)V': {},
      'setOnErrorListener(Landroid/media/MediaPlayer$OnErrorListener;)V': {},
      'setWakeMode(Landroid/content/Context;I)V': {},
      'setAudioAttributes(Landroid/media/AudioAttributes;)V': { api: 21 },
      'setVolume(FF)V': {},
      'reset()V': {},
      'setDataSource(Ljava/io/FileDescriptor;JJ)V': {},
      'prepare()V': {},
      'start()V': {},
      'pause()V': {},
      'seekTo(I)V': {},
      'getCurrentPosition()I': {},
      'getDuration()I': {},
      'release()V': {},
    },
  },
  'Landroid/media/MediaPlayer$OnCompletionListener;': {
    interface: true,
    methods: { 'onCompletion(Landroid/media/MediaPlayer;)V': { abstract: true } },
  },
  'Landroid/media/MediaPlayer$OnErrorListener;': {
    interface: true,
    methods: { 'onError(Landroid/media/MediaPlayer;II)Z': { abstract: true } },
  },
  'Landroid/media/AudioAttributes;': { super: OBJECT, api: 21, methods: {} },
  'Landroid/media/AudioAttributes$Builder;': {
    super: OBJECT,
    api: 21,
    methods: {
      '<init>()V': { api: 21 },
      'build()Landroid/media/AudioAttributes;': { api: 21 },
      ...chain('Landroid/media/AudioAttributes$Builder;', { 'setUsage(I)': 21, 'setContentType(I)': 21 }),
    },
  },
  'Landroid/media/AudioManager;': {
    super: OBJECT,
    methods: {
      'requestAudioFocus(Landroid/media/AudioManager$OnAudioFocusChangeListener;II)I': { api: 8 },
      'abandonAudioFocus(Landroid/media/AudioManager$OnAudioFocusChangeListener;)I': { api: 8 },
      'requestAudioFocus(Landroid/media/AudioFocusRequest;)I': { api: 26 },
      'abandonAudioFocusRequest(Landroid/media/AudioFocusRequest;)I': { api: 26 },
    },
  },
  'Landroid/media/AudioManager$OnAudioFocusChangeListener;': {
    interface: true,
    methods: { 'onAudioFocusChange(I)V': { api: 8, abstract: true } },
  },
  'Landroid/media/AudioFocusRequest;': { super: OBJECT, api: 26, methods: {} },
  'Landroid/media/AudioFocusRequest$Builder;': {
    super: OBJECT,
    api: 26,
    methods: {
      '<init>(I)V': { api: 26 },
      'build()Landroid/media/AudioFocusRequest;': { api: 26 },
      ...chain('Landroid/media/AudioFocusRequest$Builder;', {
        'setAudioAttributes(Landroid/media/AudioAttributes;)': 26,
        'setOnAudioFocusChangeListener(Landroid/media/AudioManager$OnAudioFocusChangeListener;)': 26,
      }),
    },
  },
  'Landroid/media/MediaMetadata;': { super: OBJECT, api: 21, methods: {} },
  'Landroid/media/MediaMetadata$Builder;': {
    super: OBJECT,
    api: 21,
    methods: {
      '<init>()V': { api: 21 },
      'build()Landroid/media/MediaMetadata;': { api: 21 },
      ...chain('Landroid/media/MediaMetadata$Builder;', {
        'putString(Ljava/lang/String;Ljava/lang/String;)': 21, 'putLong(Ljava/lang/String;J)': 21,
        'putBitmap(Ljava/lang/String;Landroid/graphics/Bitmap;)': 21,
      }),
    },
  },
  'Landroid/media/session/MediaSession;': {
    super: OBJECT,
    api: 21,
    methods: {
      '<init>(Landroid/content/Context;Ljava/lang/String;)V': { api: 21 },
      'setCallback(Landroid/media/session/MediaSession$Callback;)V': { api: 21 },
      'setFlags(I)V': { api: 21 },
      'setSessionActivity(Landroid/app/PendingIntent;)V': { api: 21 },
      'setMetadata(Landroid/media/MediaMetadata;)V': { api: 21 },
      'setPlaybackState(Landroid/media/session/PlaybackState;)V': { api: 21 },
      'setActive(Z)V': { api: 21 },
      'getSessionToken()Landroid/media/session/MediaSession$Token;': { api: 21 },
      'release()V': { api: 21 },
    },
  },
  'Landroid/media/session/MediaSession$Token;': { super: OBJECT, api: 21, methods: {} },
  'Landroid/media/session/MediaSession$Callback;': {
    super: OBJECT,
    api: 21,
    abstract: true,
    methods: {
      '<init>()V': { api: 21 }, 'onPlay()V': { api: 21 }, 'onPause()V': { api: 21 },
      'onSkipToNext()V': { api: 21 }, 'onSkipToPrevious()V': { api: 21 },
      'onSeekTo(J)V': { api: 21 }, 'onStop()V': { api: 21 },
    },
  },
  'Landroid/media/session/PlaybackState;': { super: OBJECT, api: 21, methods: {} },
  'Landroid/media/session/PlaybackState$Builder;': {
    super: OBJECT,
    api: 21,
    methods: {
      '<init>()V': { api: 21 },
      'build()Landroid/media/session/PlaybackState;': { api: 21 },
      ...chain('Landroid/media/session/PlaybackState$Builder;', { 'setState(IJF)': 21, 'setActions(J)': 21 }),
    },
  },

  // ---- android.graphics ----
  'Landroid/graphics/Bitmap;': { super: OBJECT, methods: {} },
  'Landroid/graphics/Rect;': { super: OBJECT, methods: {} },
  'Landroid/graphics/BitmapFactory;': {
    super: OBJECT,
    methods: {
      'decodeStream(Ljava/io/InputStream;Landroid/graphics/Rect;Landroid/graphics/BitmapFactory$Options;)Landroid/graphics/Bitmap;': { static: true },
    },
  },
  'Landroid/graphics/BitmapFactory$Options;': {
    super: OBJECT,
    methods: { '<init>()V': {} },
    fields: { 'inJustDecodeBounds:Z': {}, 'inSampleSize:I': {}, 'outWidth:I': {}, 'outHeight:I': {} },
  },

  // ---- android.view, android.webkit ----
  'Landroid/view/View;': { super: OBJECT, methods: {} },
  'Landroid/view/ViewGroup;': { super: 'Landroid/view/View;', abstract: true, methods: {} },
  'Landroid/widget/AbsoluteLayout;': { super: 'Landroid/view/ViewGroup;', methods: {} },
  'Landroid/webkit/WebView;': {
    super: 'Landroid/widget/AbsoluteLayout;',
    methods: {
      '<init>(Landroid/content/Context;)V': {},
      'getSettings()Landroid/webkit/WebSettings;': {},
      'addJavascriptInterface(Ljava/lang/Object;Ljava/lang/String;)V': {},
      'loadUrl(Ljava/lang/String;)V': {},
      'evaluateJavascript(Ljava/lang/String;Landroid/webkit/ValueCallback;)V': { api: 19 },
      'destroy()V': {},
    },
  },
  'Landroid/webkit/WebSettings;': {
    super: OBJECT,
    abstract: true,
    methods: {
      'setJavaScriptEnabled(Z)V': {},
      'setDomStorageEnabled(Z)V': { api: 7 },
      'setMediaPlaybackRequiresUserGesture(Z)V': { api: 17 },
    },
  },
  'Landroid/webkit/ValueCallback;': { interface: true, methods: {} },
  'Landroid/webkit/JavascriptInterface;': { interface: true, annotation: true, methods: {} },
};
