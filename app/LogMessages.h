// Every text the log shows, in code page 936.
#pragma once

#define LOG_DEVICE_FOUND "找到设备"
#define LOG_NO_DEVICE_FOUND "没有找到设备"
#define LOG_CANNOT_CONNECT "无法连接设备，请检查是否连接USB设备"
#define LOG_READ_COMMAND_FAILED "数据读入有误"
#define LOG_COMMAND_REPLY_TIMEOUT "ERROR:命令响应超时"
#define LOG_DATA_READ_TIMEOUT "ERROR:数据读入超时"
#define LOG_ACK_TIMEOUT_READ_OUT "ERROR:数据响应超时，没有完成读出"
#define LOG_ACK_TIMEOUT_READ_IN "ERROR:数据响应超时，没有完成读入"
#define LOG_READ_SUCCESS "成功：读出EEPROM成功"
#define LOG_REPLY_WRONG "ERROR:返回数据错误"
#define LOG_DATA_WRITE_TIMEOUT "ERROR:数据写入超时"
#define LOG_ACK_TIMEOUT_DOWNLOAD "ERROR:数据响应超时，没有完成下载"
#define LOG_ACK_WRONG_DOWNLOAD "ERROR:数据响应错误，没有完成下载"
#define LOG_WRITE_SUCCESS "成功：写入EEPROM成功"
#define LOG_FILE_LOADED "文件载入成功"
#define LOG_FILE_SAVED "文件保存成功"
